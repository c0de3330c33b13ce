#include "todo/logic/ToDoDocking.h"

#include <algorithm>

namespace veltrano {

QRect DockBesideMainWindow(const QRect &mainFrame, int width, const QRect &workArea)
{
    QRect docked(mainFrame.right() + 1, mainFrame.top(), width, mainFrame.height());
    if (workArea.isEmpty())
        return docked;
    if (docked.right() > workArea.right()) {
        docked.moveLeft(mainFrame.left() - width);
        if (docked.left() < workArea.left())
            docked.moveLeft(std::max(workArea.left(), workArea.right() + 1 - width));
    }
    return docked;
}

} // namespace veltrano
