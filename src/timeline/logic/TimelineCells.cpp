#include "timeline/logic/TimelineCells.h"

namespace veltrano {

QColor TimelineCellBackground(int row)
{
    return row % 2 != 0 ? QColor(250, 250, 250) : QColor(255, 255, 255);
}

int TimelineTextTop(int cellTop, int cellHeight, int textHeight)
{
    return cellTop + (cellHeight - textHeight) / 2;
}

} // namespace veltrano
