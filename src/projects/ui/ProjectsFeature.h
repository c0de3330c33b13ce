#pragma once
#include "projects/logic/ProjectStore.h"
#include "projects/ui/ProjectTreePresenter.h"

#include <QObject>
#include <memory>

class QLabel;
class QTreeWidgetItem;

namespace veltrano {

class NoteEditor;
class ProjectCommands;
class ProjectNotePage;
class AppContext;
class MainFrame;
class WorklistPanel;
enum class Page;

// The projects' share of the main window: the worklist beside the pages with
// the project tree, the Projects page with the note, the Contacts page with
// its counts, the structure commands and their four dialogs.
class ProjectsFeature final : public QObject {
    Q_OBJECT
public:
    ProjectsFeature(AppContext &context, MainFrame &frame);
    ~ProjectsFeature() override;

    WorklistPanel &worklist() const { return *m_worklist; }
    // The Projects page and the editor of its note, built the first time the
    // page shows or a note opens: most runs open neither.
    ProjectNotePage &notePage();
    NoteEditor &noteEditor();
    ProjectCommands &commands() const { return *m_commands; }
    ProjectTreePresenter &projectManager() const { return *m_manager; }
    // The Contacts page's `Label14` shows the to-do feature's count.
    void showToDoCount(const QString &caption);
    // The end of a run: a note's text that could not be saved is tried once
    // more, then kept in a recovery copy.
    void saveAtExit();

signals:
    // A click on `Label14`.
    void toDoCountClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createTheContactsPage();
    void wireTree();
    // Project folders made, renamed or removed on disk by another hand are
    // shown in the tree.
    void followProjectFolders(AppContext &context);
    void reloadTree();
    void wireCommands();
    void pageChosen(Page page);
    void onMainWindowShowing();
    void onTreeSelectionChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void onTreeClicked();
    void onTreeContextMenu(const QPoint &at);
    void onTreeMenuAboutToShow();
    void loadNote(QTreeWidgetItem *node);
    void showNoteStatus(const QString &text, bool lasting);

    AppContext &m_context;
    MainFrame &m_frame;
    WorklistPanel *m_worklist = nullptr;
    ProjectNotePage *m_notePage = nullptr;
    QLabel *m_toDoCount = nullptr;
    QLabel *m_projectCount = nullptr;
    // Compared with, never reached through: events still come while the
    // main window takes its children down.
    QObject *m_treeViewport = nullptr;
    ProjectStore m_store;
    ProjectTreePresenter *m_manager = nullptr;
    CurrentProject m_projectSelected;
    bool m_keepingCurrent = false; // the tree is rebuilt under the note shown
    NoteEditor *m_noteEditor = nullptr;
    ProjectCommands *m_commands = nullptr;
};

} // namespace veltrano
