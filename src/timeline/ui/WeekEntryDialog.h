#pragma once
// The small dialog both timeline views change one hour's entry in: a picture,
// the edit box `Edit`, "Change" (`Button`) and "Cancel" (`Button1`).
#include "common/ui/SmallDialog.h"

#include <functional>

class QLineEdit;
class QPushButton;

namespace veltrano {

class ModalDialogs;

class WeekEntryDialog : public SmallDialog {
    Q_OBJECT
public:
    // Stores the confirmed text; false when it could not be stored (the
    // dialog then stays open, and the user may try again or cancel).
    using Change = std::function<bool(const QString &text)>;

    // Opens the dialog modally with `preset` in the edit box and returns;
    // `closed` runs once it has closed, whether changed or not.
    void edit(const QString &preset, Change change, std::function<void()> closed = {});
    void change();
    void cancel();

protected:
    // Who answers Enter: "Change" as the default button, or the dialog itself
    // (then neither button is a default one).
    enum class EnterGoesTo { ChangeButton, Dialog };
    WeekEntryDialog(const char *name, const QString &caption, EnterGoesTo enter, ModalDialogs &dialogs);
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Enter confirms and Escape cancels; true when the key was one of them.
    bool handleKey(QKeyEvent *event);

private:
    void createControls();

    ModalDialogs &m_dialogs;
    EnterGoesTo m_enter;
    QLineEdit *m_edit = nullptr;
    QPushButton *m_change = nullptr;
    QPushButton *m_cancel = nullptr;
    Change m_store;
};

} // namespace veltrano
