#include "timeline/ui/WeekContext.h"

#include "platform/Clock.h"
#include "timeline/logic/WeekStore.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace veltrano {

int TodayNumber(const Clock &clock)
{
    return DayNumberOf(clock.now().date());
}

void centreOnFirstShow(QWidget &window, bool &placed)
{
    if (placed)
        return;
    placed = true;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), window.frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace veltrano
