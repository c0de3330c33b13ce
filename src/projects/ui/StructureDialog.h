#pragma once
#include "common/ui/SmallDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace veltrano {

// What the four dialogs of the project structure share: a picture `Image1`
// at the left, the label `Label1`, an edit `Edit1` or a second label, and the
// buttons `Button1` (default, Enter) and `Button2` (cancel, Esc) at the bottom
// right. Fixed size, centred on the desktop when first opened, Tahoma 8 pt.
// Button1 does not close the dialog itself: the command behind it says
// whether it may close.
class StructureDialog : public SmallDialog {
    Q_OBJECT
public:
    QLabel *promptLabel() const { return m_prompt; }
    QLineEdit *nameEdit() const { return m_nameEdit; }
    QPushButton *confirmButton() const { return m_confirmButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

signals:
    // Button1 was pressed (or Enter): the command checks and acts.
    void confirmed();

protected:
    struct Design {
        const char *name;
        const char *caption;
        const char *picture; // resources/icons/<picture>.svg
        QSize client;
        const char *label1;
        const char *button1;
        bool withEdit; // otherwise a second label under the first
    };
    explicit StructureDialog(const Design &design);
    // Sets the edit's text, all of it selected so that typing replaces it,
    // and gives it the focus.
    void presetEdit(const QString &text);
    QLabel *pathLabel() const { return m_pathLabel; }

private:
    void createControls(const Design &design);

    QLabel *m_prompt = nullptr;
    QLabel *m_pathLabel = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QPushButton *m_confirmButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace veltrano
