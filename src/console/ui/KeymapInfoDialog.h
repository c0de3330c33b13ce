#pragma once
// Keymap Info: the console's built-in words and the two system-wide keys.
#include "common/ui/FirstShow.h"
#include "common/ui/FixedDialog.h"

namespace veltrano {

inline constexpr auto kKeyMapCaption = u"Keymap Info";
inline constexpr QSize kKeyMapClientSize{440, 95};

class KeymapInfoDialog final : public FixedDialog {
    Q_OBJECT
public:
    KeymapInfoDialog();

    void closeDialog();

private:
    void createControls();

    BuiltWhenFirstShown m_controls;
};

} // namespace veltrano
