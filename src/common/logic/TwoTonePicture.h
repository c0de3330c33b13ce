#pragma once
// A picture of two colours of the caller's from one drawing of it: the
// drawing's fill is pure red and its line pure blue (the build draws it so).
// In premultiplied pixels red is then how much of a pixel the fill covers and
// blue how much the line does, so any two colours go in exactly, edges and
// all.
#include <QColor>
#include <QImage>

namespace veltrano {

inline constexpr auto kTwoToneFill = "#ff0000";
inline constexpr auto kTwoToneLine = "#0000ff";

QImage PaintTwoTones(const QImage &mask, const QColor &fill, const QColor &line);

} // namespace veltrano
