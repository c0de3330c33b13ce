#pragma once
#include <QPoint>
#include <QRect>

namespace veltrano {

inline constexpr int kSnapDistance = 10;

// The position a top-level window takes when it is dropped at `proposed`
// (outer frame) inside `workArea`: each edge within kSnapDistance pixels of
// the work area's edge lands on it. Left before right and top before bottom,
// each rule seeing what the one before it left.
QPoint SnapToWorkArea(const QRect &proposed, const QRect &workArea);

} // namespace veltrano
