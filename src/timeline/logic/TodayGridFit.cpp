#include "timeline/logic/TodayGridFit.h"

namespace veltrano {

TodayGridSize TodayGridFit(int gridWidth, int gridHeight)
{
    return {gridWidth - 60, gridHeight >= 450 ? gridHeight / 26 : 16};
}

} // namespace veltrano
