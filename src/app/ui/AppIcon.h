#pragma once
#include <QImage>

namespace veltrano {

inline constexpr auto kAppIconResource = u":/veltrano/art/veltrano.svg";

// An SVG file drawn `size` pixels square on a transparent ground.
QImage RenderSvgIcon(const QString &svgPath, int size);

} // namespace veltrano
