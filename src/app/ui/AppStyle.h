#pragma once
#include <QProxyStyle>

namespace veltrano {

// The desktop's own style with one change: the chevron that menu bars and
// tool bars keep for items that do not fit is drawn here. The style's own
// picture is a PNG whose loading probes every image-format plugin Qt has
// (JPEG, GIF, ICO, SVG...), which would load them all at start-up.
class AppStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace veltrano
