// The to-do item composer: a typed line, optionally decorated, becomes a new
// item at the end of the to-do list.
#pragma once
#include "common/ui/SmallDialog.h"
#include "todo/logic/ToDoComposer.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace veltrano {

class AppContext;
class ToDoListModel;

inline constexpr auto kComposerCaption = u"New To-Do Item";
inline constexpr auto kInputSomeEventMessage = u"Input some event";
inline constexpr QSize kComposerClientSize{353, 161};

// "New To-Do Item": modal, above other windows, open for several items in a
// row. Its six options are the to-do feature's, read from the settings file
// at start-up and written back at exit; the boxes show and change them.
class NewToDoItemDialog final : public SmallDialog {
    Q_OBJECT
public:
    NewToDoItemDialog(AppContext &context, ToDoListModel &list, ToDoComposeOptions &options);

    const ToDoComposeOptions &options() const { return m_options; }

    void addItem(); // "Add (Enter)"
    void cancel(); // "Cancel (Esc)"
    void setDefaults(); // "Set defaults"

signals:
    void itemAdded();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    QCheckBox *addOption(const char *name, const QString &caption, QPoint at, bool ToDoComposeOptions::*option);
    void setOptions(ToDoComposeOptions options);
    void backToText();

    AppContext &m_context;
    ToDoListModel &m_list;
    ToDoComposeOptions &m_options;
    QLineEdit *m_edit = nullptr;
    QCheckBox *m_mark = nullptr;
    QCheckBox *m_time = nullptr;
    QCheckBox *m_date = nullptr;
    QCheckBox *m_prior = nullptr;
    QCheckBox *m_scob = nullptr;
    QCheckBox *m_num = nullptr;
    // Where the caret and the selection were when the edit last lost the focus.
    struct Caret {
        int cursor = 0;
        int selectionStart = -1;
        int selectionLength = 0;
    } m_leftAt;
    bool m_returningToText = false;
};

} // namespace veltrano
