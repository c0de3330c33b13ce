// The one-item editor: replaces the text of one to-do item.
#pragma once
#include "common/ui/SmallDialog.h"

class QLineEdit;
class QPushButton;

namespace veltrano {

class MessageBoxes;
class ToDoListModel;

inline constexpr auto kRedactorCaption = u"To-Do Redactor";
inline constexpr auto kNoItemSelectedMessage = u"To-Do Item not selected";
inline constexpr QSize kRedactorClientSize{457, 73};

// "To-Do Redactor": modal; the to-do window names the item to edit just
// before it opens the editor. The item keeps its done mark and place.
class ToDoItemEditor final : public SmallDialog {
    Q_OBJECT
public:
    ToDoItemEditor(MessageBoxes &messages, ToDoListModel &list);

    // The item to edit; one that is not in the list (any more) is told about
    // when the editor shows, and nothing can be changed.
    void editItem(int index);
    int editedItemIndex() const { return m_index; }

    void change();  // "Change"
    void cancel(); // "Cancel"

    void setVisible(bool visible) override;

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
    int m_index = -1;
};

} // namespace veltrano
