#include "common/ui/FirstShow.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace veltrano {
namespace {

using EventTest = std::function<bool(QObject &, QEvent &)>;

// Runs `then` the first time `watched` gets an event that `fires` accepts,
// then goes away; until then it swallows the events `swallows` accepts.
class OneShotFilter final : public QObject {
public:
    OneShotFilter(QObject &watched, QObject &owner, EventTest fires, std::function<void()> then,
                  EventTest swallows = {})
        : QObject(&owner), m_fires(std::move(fires)), m_swallows(std::move(swallows)), m_then(std::move(then))
    {
        watched.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_then)
            return false;
        if (m_swallows && m_swallows(*watched, *event))
            return true;
        if (m_fires(*watched, *event)) {
            watched->removeEventFilter(this);
            const auto then = std::move(m_then);
            m_then = nullptr;
            deleteLater();
            then();
        }
        return false;
    }

private:
    EventTest m_fires;
    EventTest m_swallows;
    std::function<void()> m_then;
};

bool isOfType(QEvent &event, QEvent::Type type)
{
    return event.type() == type;
}

} // namespace

void BuildWhenFirstShown(QWidget &window, std::function<void()> build)
{
    // Every new widget also asks to be polished at the next turn of the event
    // loop, shown or not; a hidden window needs no polish yet, so that request
    // is let go (showing polishes anyway). The children `build` makes are
    // polished and shown along with the window: it polishes its children after
    // its own polish event.
    new OneShotFilter(
        window, window, [](QObject &, QEvent &event) { return isOfType(event, QEvent::Polish); }, std::move(build),
        [](QObject &, QEvent &event) { return isOfType(event, QEvent::PolishRequest); });
}

BuiltWhenFirstShown::BuiltWhenFirstShown(QWidget &window, std::function<void()> build) : m_build(std::move(build))
{
    BuildWhenFirstShown(window, [this] { ensureBuilt(); });
}

void BuiltWhenFirstShown::ensureBuilt()
{
    if (std::exchange(m_built, true))
        return;
    // Marked first, so that a setter the build calls does not start it again.
    const auto build = std::move(m_build);
    m_build = nullptr;
    build();
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
                return isOfType(event, QEvent::Expose) && static_cast<QWindow &>(watched).isExposed();
            },
            [&window, runOnce] { QTimer::singleShot(0, &window, runOnce); });
    }
    QTimer::singleShot(fallbackMs, &window, runOnce);
}

} // namespace veltrano
