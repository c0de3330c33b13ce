#pragma once
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace veltrano {

// Where a top-level window (its outer frame) is put when it is shown, given
// the free area of every screen. A window that shows enough of itself on the
// screens stays where it is, a second monitor's included: its title bar lies
// on one of them and most of it is in view. Any other is moved, whole, onto
// the available area of the screen nearest to it (its top-left corner kept in
// that area when the window is larger than the area).
QPoint KeepFrameOnScreens(const QRect &frame, const QList<QRect> &areas);

// The available area of the screen nearest to a window's frame (of those
// that show part of it, the one that shows most); an empty rectangle when
// there are no screens.
QRect NearestArea(const QRect &frame, const QList<QRect> &areas);

// Where a window goes to lie whole inside `area`, moved as little as may be.
// One larger than the area keeps its top-left corner, and so its title bar,
// in it.
QPoint PlaceWholeInside(const QRect &frame, const QRect &area);

// A window's client size and least size on a screen whose free area is
// `area`, with `frameExtra` added by the window manager's frame: the size it
// wants and its designed minimum, both as far as the area has room, but never
// below `least`, the size its controls cannot do without.
struct ClientFit {
    QSize size;
    QSize minimum;
};
ClientFit FitClientToArea(QSize wanted, QSize designedMinimum, QSize least, QSize frameExtra, QSize area);

} // namespace veltrano
