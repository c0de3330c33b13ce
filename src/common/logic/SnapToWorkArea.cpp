#include "common/logic/SnapToWorkArea.h"

#include <cstdlib>

namespace veltrano {
namespace {

// One axis: `low` and `high` are the work area's first and one-past-last pixel.
int snapAxis(int position, int extent, int low, int high)
{
    if (std::abs(low - position) <= kSnapDistance)
        position = low;
    if (std::abs((high - extent) - position) <= kSnapDistance)
        position = high - extent;
    return position;
}

} // namespace

QPoint SnapToWorkArea(const QRect &proposed, const QRect &workArea)
{
    // QRect's right() and bottom() are the last pixel inside; the edge rules
    // speak of the line just past it, as a work-area rectangle does.
    return {snapAxis(proposed.x(), proposed.width(), workArea.left(), workArea.left() + workArea.width()),
            snapAxis(proposed.y(), proposed.height(), workArea.top(), workArea.top() + workArea.height())};
}

} // namespace veltrano
