// The one-item editor: replaces the text of one to-do item.
#pragma once
#include "common/ui/FirstShow.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace veltrano {

class MessageBoxes;
class ToDoListModel;

inline constexpr auto kRedactorCaption = u"To-Do Redactor";
inline constexpr auto kNoItemSelectedMessage = u"To-Do Item not selected";
inline constexpr QSize kRedactorClientSize{457, 73};

// "To-Do Redactor": modal; the to-do window names the item in editedItemIndex
// just before it opens the editor. The item keeps its done mark and place.
// Its controls are built when it is first opened.
class ToDoItemEditor final : public QDialog {
    Q_OBJECT
public:
    ToDoItemEditor(MessageBoxes &messages, ToDoListModel &list);

    // The item being edited; -1 until the to-do window names one.
    int editedItemIndex = -1;

    void change();  // "Change"
    void cancel(); // "Cancel"

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void onShow();
    // Enter changes and Esc cancels, in the edit, on "Change" and on the dialog.
    bool handleKey(QKeyEvent *event);

    MessageBoxes &m_messages;
    ToDoListModel &m_list;
    QLineEdit *m_edit = nullptr;
    QPushButton *m_change = nullptr;
    BuiltWhenFirstShown m_controls;
};

} // namespace veltrano
