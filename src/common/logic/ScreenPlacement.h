#pragma once
#include <QList>
#include <QPoint>
#include <QRect>

namespace veltrano {

// Where a top-level window (its outer frame) is put when it is shown, given
// the free area of every screen. A window that shows enough of itself on the
// screens stays where it is, a second monitor's included: its title bar lies
// on one of them and most of it is in view. Any other is moved, whole, onto
// the available area of the screen nearest to it (its top-left corner kept in
// that area when the window is larger than the area).
QPoint KeepFrameOnScreens(const QRect &frame, const QList<QRect> &areas);

} // namespace veltrano
