// The to-do item composer: a typed line, optionally decorated, becomes a new
// item at the end of the to-do list.
#pragma once
#include "common/ui/FirstShow.h"
#include "todo/logic/ToDoComposer.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace veltrano {

class ToDoWindow;
class MainWindow;

inline constexpr auto kComposerCaption = u"New To-Do Item";
inline constexpr auto kInputSomeEventMessage = u"Input some event";
inline constexpr QSize kComposerClientSize{353, 161};

// "New To-Do Item": modal, above other windows, open for several items in a
// row. Its six options come from the settings file when it is created and go
// back there when it is destroyed at exit, whether it was ever opened or not:
// its controls are built when it is first opened.
class NewToDoItemDialog final : public QDialog {
    Q_OBJECT
public:
    NewToDoItemDialog(MainWindow &main, ToDoWindow &toDo);
    ~NewToDoItemDialog() override;

    ToDoComposeOptions options() const { return m_options; }

    void addItem(); // "Add (Enter)"
    void cancel(); // "Cancel (Esc)"
    void setDefaults(); // "Set defaults"

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    QCheckBox *addOption(const char *name, const QString &caption, QPoint at, bool ToDoComposeOptions::*option);
    void setOptions(ToDoComposeOptions options);

    MainWindow &m_main;
    ToDoWindow &m_toDo;
    ToDoComposeOptions m_options; // what the boxes show, built or not
    BuiltWhenFirstShown m_controls;
    QLineEdit *m_edit = nullptr;
    QCheckBox *m_mark = nullptr;
    QCheckBox *m_time = nullptr;
    QCheckBox *m_date = nullptr;
    QCheckBox *m_prior = nullptr;
    QCheckBox *m_scob = nullptr;
    QCheckBox *m_num = nullptr;
};

} // namespace veltrano
