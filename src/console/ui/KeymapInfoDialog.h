#pragma once
// Keymap Info: the console's built-in words and the two system-wide keys.
#include "common/ui/SmallDialog.h"

namespace veltrano {

inline constexpr auto kKeyMapCaption = u"Keymap Info";
inline constexpr QSize kKeyMapClientSize{440, 95};

class KeymapInfoDialog final : public SmallDialog {
    Q_OBJECT
public:
    KeymapInfoDialog();

    void closeDialog();

private:
    void createControls();

};

} // namespace veltrano
