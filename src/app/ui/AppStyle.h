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

// The program's captions, labels and lists are laid out without OpenType
// shaping where their script needs none (Latin, Cyrillic, Greek...), as
// Windows draws its controls; scripts that need it (Arabic, the Indic
// scripts...) are shaped all the same. Shaping every caption would bring the
// shaping engine into memory at start-up, about 0.8 MB. Notes keep full
// typography (ProjectNotePage).
void useUnshapedInterfaceText();

} // namespace veltrano
