#pragma once

namespace veltrano {

struct TodayGridSize {
    int column1Width;
    int defaultRowHeight;
    bool operator==(const TodayGridSize &) const = default;
};
// Column 1 takes the grid's width less 60; rows share the height once the grid
// can show 26 of at least 17 pixels, otherwise they stay 16 high.
TodayGridSize TodayGridFit(int gridWidth, int gridHeight);

} // namespace veltrano
