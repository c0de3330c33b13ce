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
    QLabel *label1() const { return m_label1; }
    QLineEdit *edit1() const { return m_edit1; }
    QPushButton *button1() const { return m_button1; }
    QPushButton *button2() const { return m_button2; }

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
    QLabel *secondLabel() const { return m_label2; }

private:
    void createControls(const Design &design);

    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLineEdit *m_edit1 = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
};

} // namespace veltrano
