#pragma once
// Password Generator: a fresh GUID at every opening and on "GUID", ready to
// be selected and copied.
#include "common/ui/FirstShow.h"
#include "common/ui/FixedDialog.h"

#include <QUuid>
#include <functional>

class QLineEdit;

namespace veltrano {

class ModalDialogs;

inline constexpr auto kPasswordGeneratorCaption = u"Password Generator";
inline constexpr QSize kPasswordGeneratorClientSize{503, 73};

class PasswordGeneratorDialog final : public FixedDialog {
    Q_OBJECT
public:
    using GuidSource = std::function<QUuid()>;
    explicit PasswordGeneratorDialog(ModalDialogs &dialogs, GuidSource source = &QUuid::createUuid);

    // Menu "Widgets" > "Password Generator...": a new value, then the dialog.
    void openWithNewPassword();
    void onGenerate();
    void closeDialog();

private:
    void createControls();
    void generate();

    ModalDialogs &m_dialogs;
    GuidSource m_source;
    QLineEdit *m_edit1 = nullptr;
    BuiltWhenFirstShown m_controls;
};

} // namespace veltrano
