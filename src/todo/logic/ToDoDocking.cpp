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
    // A main window hanging over the top or the bottom (taller than the
    // screen at a large scale): the list keeps its title bar and its last
    // rows in view.
    const int top = std::max(docked.top(), workArea.top());
    const int bottom = std::min(docked.bottom(), workArea.bottom());
    if (top <= bottom) {
        docked.setTop(top);
        docked.setBottom(bottom);
    }
    return docked;
}

// A frame read as smaller than the window, taken at its word, would make the
// window grow by the difference: twice its size and more.
std::optional<QSize> FrameAroundWindow(QSize frame, QSize window)
{
    const QSize extra = frame - window;
    if (extra.isNull() || extra.width() < 0 || extra.height() < 0)
        return std::nullopt;
    return extra;
}

} // namespace veltrano
