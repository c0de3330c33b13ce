#pragma once
#include <QIcon>
#include <QImage>

namespace veltrano {

inline constexpr auto kAppIconResource = u":/veltrano/art/veltrano.svg";

// An SVG file drawn `size` pixels square on a transparent ground.
QImage RenderSvgIcon(const QString &svgPath, int size);
// The same at the usual window and task-bar sizes.
QIcon ApplicationIcon();

} // namespace veltrano
