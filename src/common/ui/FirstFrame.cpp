#include "common/ui/FirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <memory>

namespace veltrano {
namespace {

// Runs `then` the first time the window is exposed, then goes away.
class FirstExpose final : public QObject {
public:
    FirstExpose(QWindow &watched, QObject &owner, std::function<void()> then)
        : QObject(&owner), m_then(std::move(then))
    {
        watched.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_then && event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            const auto then = std::move(m_then);
            m_then = nullptr;
            deleteLater();
            then();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void AfterFirstFrame(QWidget &window, std::function<void()> then, int fallbackMs)
{
    auto once = std::make_shared<std::function<void()>>(std::move(then));
    const auto runOnce = [once] {
        if (*once) {
            const auto call = std::move(*once);
            *once = nullptr;
            call();
        }
    };
    // The expose paints and sends the frame; what comes after it waits for
    // the next turn of the event loop, so it never holds the frame back.
    if (QWindow *native = window.windowHandle())
        new FirstExpose(*native, window, [&window, runOnce] { QTimer::singleShot(0, &window, runOnce); });
    QTimer::singleShot(fallbackMs, &window, runOnce);
}

} // namespace veltrano
