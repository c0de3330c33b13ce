#include "common/ui/FirstShow.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace veltrano {
namespace {

// Runs `then` the first time `watched` gets an event that `fires` accepts,
// then goes away.
class OneShotFilter final : public QObject {
public:
    OneShotFilter(QObject &watched, QObject &owner, std::function<bool(QObject &, QEvent &)> fires,
                  std::function<void()> then)
        : QObject(&owner), m_fires(std::move(fires)), m_then(std::move(then))
    {
        watched.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_then && m_fires(*watched, *event)) {
            watched->removeEventFilter(this);
            const auto then = std::move(m_then);
            m_then = nullptr;
            deleteLater();
            then();
        }
        return false;
    }

private:
    std::function<bool(QObject &, QEvent &)> m_fires;
    std::function<void()> m_then;
};

} // namespace

void BuildWhenFirstShown(QWidget &window, std::function<void()> build)
{
    // The children `build` makes are polished and shown along with the window:
    // the window polishes its children after its own polish event.
    new OneShotFilter(window, window, [](QObject &, QEvent &event) { return event.type() == QEvent::Polish; },
                      std::move(build));
}

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
    if (QWindow *native = window.windowHandle()) {
        new OneShotFilter(
            *native, window,
            [](QObject &watched, QEvent &event) {
                return event.type() == QEvent::Expose && static_cast<QWindow &>(watched).isExposed();
            },
            [&window, runOnce] { QTimer::singleShot(0, &window, runOnce); });
    }
    QTimer::singleShot(fallbackMs, &window, runOnce);
}

} // namespace veltrano
