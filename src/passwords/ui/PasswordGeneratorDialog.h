#pragma once
// Password Generator: a fresh GUID at every opening and on "GUID", ready to
// be selected and copied.
#include "common/ui/SmallDialog.h"

#include <QUuid>
#include <functional>

class QLineEdit;

namespace veltrano {

class ModalDialogs;

inline constexpr auto kPasswordGeneratorCaption = u"Password Generator";
inline constexpr QSize kPasswordGeneratorClientSize{503, 73};

class PasswordGeneratorDialog final : public SmallDialog {
    Q_OBJECT
public:
    using GuidSource = std::function<QUuid()>;
    explicit PasswordGeneratorDialog(ModalDialogs &dialogs, GuidSource source = &QUuid::createUuid);

    // Menu "Widgets" > "Password Generator...": a new value, then the dialog.
    void openWithNewPassword();
    QString password() const;
    void onGenerate();
    void closeDialog();

private:
    void createControls();
    void generate();

    ModalDialogs &m_dialogs;
    GuidSource m_source;
    QLineEdit *m_password = nullptr;
};

} // namespace veltrano
