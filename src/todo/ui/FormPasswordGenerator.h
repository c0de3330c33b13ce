#pragma once
// Password Generator: a fresh GUID at every opening and on "GUID", ready to
// be selected and copied.
#include "common/ui/FirstShow.h"
#include "todo/ui/FixedDialog.h"

#include <QUuid>
#include <functional>

class QLineEdit;

namespace veltrano {

class ModalDialogs;

inline constexpr auto kPasswordGeneratorCaption = u"Password Generator";
inline constexpr QSize kPasswordGeneratorClientSize{503, 73};

class TfrmPasswordGenerator final : public FixedDialog {
    Q_OBJECT
public:
    using GuidSource = std::function<QUuid()>;
    explicit TfrmPasswordGenerator(ModalDialogs &dialogs, GuidSource source = &QUuid::createUuid);

    // Menu "Widgets" > "Password Generator...": a new value, then the dialog.
    void PasswordGenerator1Click();
    void ButtonGeneratorClick();
    void ButtonCloseClick();

private:
    void createControls();
    void Generate();

    ModalDialogs &m_dialogs;
    GuidSource m_source;
    QLineEdit *m_edit1 = nullptr;
    BuiltWhenFirstShown m_controls;
};

} // namespace veltrano
