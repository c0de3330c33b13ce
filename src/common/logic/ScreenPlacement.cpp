#include "common/logic/ScreenPlacement.h"

#include <algorithm>
#include <limits>

namespace veltrano {
namespace {

// A title bar this high, and this much of it, can be grabbed.
constexpr int kTitleHeight = 24;
constexpr int kGrabWidth = 64;

qint64 areaOf(const QRect &rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

bool titleReachable(const QRect &frame, const QList<QRect> &areas)
{
    const QRect title(frame.topLeft(), QSize(frame.width(), std::min(kTitleHeight, frame.height())));
    const int grab = std::min(kGrabWidth, frame.width());
    return std::any_of(areas.begin(), areas.end(), [&](const QRect &area) {
        const QRect seen = title.intersected(area);
        return seen.width() >= grab && seen.top() == title.top();
    });
}

// Screens do not overlap, so the parts in view add up.
bool mostlyInView(const QRect &frame, const QList<QRect> &areas)
{
    qint64 seen = 0;
    for (const QRect &area : areas)
        seen += areaOf(frame.intersected(area));
    return seen * 4 >= areaOf(frame) * 3;
}

qint64 distanceSquared(const QRect &frame, const QRect &area)
{
    const qint64 dx = std::max({area.left() - frame.right(), frame.left() - area.right(), 0});
    const qint64 dy = std::max({area.top() - frame.bottom(), frame.top() - area.bottom(), 0});
    return dx * dx + dy * dy;
}

const QRect &nearestOf(const QRect &frame, const QList<QRect> &areas)
{
    const QRect *best = &areas.front();
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    qint64 bestOverlap = -1;
    for (const QRect &area : areas) {
        const qint64 distance = distanceSquared(frame, area);
        const qint64 overlap = areaOf(frame.intersected(area));
        if (distance < bestDistance || (distance == bestDistance && overlap > bestOverlap)) {
            best = &area;
            bestDistance = distance;
            bestOverlap = overlap;
        }
    }
    return *best;
}

} // namespace

QPoint KeepFrameOnScreens(const QRect &frame, const QList<QRect> &areas)
{
    if (areas.isEmpty() || frame.isEmpty())
        return frame.topLeft();
    if (titleReachable(frame, areas) && mostlyInView(frame, areas))
        return frame.topLeft();
    return PlaceWholeInside(frame, nearestOf(frame, areas));
}

QRect NearestArea(const QRect &frame, const QList<QRect> &areas)
{
    return areas.isEmpty() ? QRect() : nearestOf(frame, areas);
}

QPoint PlaceWholeInside(const QRect &frame, const QRect &area)
{
    if (area.isEmpty())
        return frame.topLeft();
    const int left = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    return {left, top};
}

ClientFit FitClientToArea(QSize wanted, QSize designedMinimum, QSize least, QSize frameExtra, QSize area)
{
    if (area.isEmpty())
        return {wanted.expandedTo(designedMinimum), designedMinimum};
    const QSize room = (area - frameExtra).expandedTo(least);
    const QSize minimum = designedMinimum.boundedTo(room).expandedTo(least);
    return {wanted.boundedTo(room).expandedTo(minimum), minimum};
}

} // namespace veltrano
