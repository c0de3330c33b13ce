#pragma once
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QTextEdit;
class QToolButton;

namespace veltrano {

inline constexpr auto kOtherVersionLinkText = u"another version of this note exists";

// The Projects page: the note tool bar `ToolBarNotePad`, the project note
// `RichEditProjectNote` with its menu `PopupMenuForRichEdit`, and the
// current-project line. The note editor (NoteEditor) gives the buttons that
// need more than the editor their work.
class ProjectNotePage final : public QWidget {
    Q_OBJECT
public:
    explicit ProjectNotePage(QWidget *parent = nullptr);

    QTextEdit *editor() const { return m_editor; }
    QLabel *currentProject() const { return m_currentProject; }
    QToolButton *clearButton() const { return m_clearButton; }
    QToolButton *printButton() const { return m_printButton; }
    QToolButton *dateTimeButton() const { return m_dateTimeButton; }
    QToolButton *fontButton() const { return m_fontButton; }
    // "another version of this note exists", a link; hidden while there is none.
    QLabel *otherVersionLabel() const { return m_otherVersion; }

    // A note that may be changed, or none (nothing loaded yet, or a note that
    // could not be read): then every control that would change it is off.
    void setEditable(bool editable);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createToolBar();
    void createPopupMenu();
    QWidget *createProjectInfo();
    void onCurrentProjectHovered();

    QTextEdit *m_editor = nullptr;
    QLabel *m_currentProject = nullptr;
    QLabel *m_otherVersion = nullptr;
    QToolButton *m_clearButton = nullptr;
    QToolButton *m_printButton = nullptr;
    QToolButton *m_dateTimeButton = nullptr;
    QToolButton *m_fontButton = nullptr;
    // Every control that changes the note.
    QList<QWidget *> m_editingButtons;
    QList<QAction *> m_editingItems;
};

} // namespace veltrano
