#pragma once
#include "common/ui/FirstShow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace veltrano {

// What the four dialogs of the project structure share: a picture `Image1`
// at the left, the label `Label1`, an edit `Edit1` or a second label, and the
// buttons `Button1` (default, Enter) and `Button2` (cancel, Esc) at the bottom
// right. Fixed size, centred on the desktop, Tahoma 8 pt. Button1 does not
// close the dialog itself: the command behind it says whether it may close.
// The controls are built when the dialog is first opened, or first reached
// through the accessors below.
class StructureDialog : public QDialog {
    Q_OBJECT
public:
    QLabel *label1() { return built(m_label1); }
    QLineEdit *edit1() { return built(m_edit1); }
    QPushButton *button1() { return built(m_button1); }
    QPushButton *button2() { return built(m_button2); }

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
    explicit StructureDialog(const Design &design, QWidget *parent = nullptr);
    // Sets the edit's text, all of it selected so that typing replaces it,
    // and gives it the focus.
    void presetEdit(const QString &text);
    QLabel *secondLabel() { return built(m_label2); }

    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    // `control` as it stands once the dialog is built.
    template <typename Control> Control *built(Control *const &control)
    {
        m_controls.ensureBuilt();
        return control;
    }

    Design m_design; // its texts are literals, alive for good
    BuiltWhenFirstShown m_controls;
    QLabel *m_image1 = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLineEdit *m_edit1 = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
};

} // namespace veltrano
