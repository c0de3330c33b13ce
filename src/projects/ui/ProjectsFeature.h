#pragma once
#include "projects/logic/ProjectFileManagement.h"
#include "projects/ui/ProjectManager.h"

#include <QObject>
#include <memory>

class QLabel;
class QTreeWidgetItem;

namespace veltrano {

class NoteEditor;
class ProjectCommands;
class ProjectNotePage;
class TMainForm;
class TfrmNewProject;
class TfrmNewSub;
class TfrmProjectDelete;
class TfrmProjectRenamer;
class WorklistPanel;
enum class Page;

// The projects' share of the main window: the worklist beside the pages with
// the project tree, the Projects page with the note, the Contacts page with
// its counts, the structure commands and their four dialogs.
class ProjectsFeature final : public QObject {
    Q_OBJECT
public:
    explicit ProjectsFeature(TMainForm &main);
    ~ProjectsFeature() override;

    WorklistPanel &worklist() const { return *m_worklist; }
    ProjectNotePage &notePage() const { return *m_notePage; }
    NoteEditor &noteEditor() const { return *m_noteEditor; }
    ProjectCommands &commands() const { return *m_commands; }
    TVTProjectManager &projectManager() const { return *m_manager; }
    // The Contacts page's `Label14`, whose text the to-do window keeps.
    QLabel *toDoCountLabel() const { return m_label14; }

    void setNewProjectForm(TfrmNewProject *form);
    void setNewSubForm(TfrmNewSub *form);
    void setRenamerForm(TfrmProjectRenamer *form);
    void setDeleteForm(TfrmProjectDelete *form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createTheContactsPage();
    void wireTree();
    void wireCommands();
    void pageChosen(Page page);
    void FormShow();
    void TreeViewProjectsChange(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void TreeViewProjectsClick();
    void TreeViewProjectsContextPopup(const QPoint &at);
    void PopupMenuProjectsPopup();
    void LoadNote(QTreeWidgetItem *node);
    void showNoteStatus(const QString &text, bool lasting);

    TMainForm &m_main;
    WorklistPanel *m_worklist = nullptr;
    ProjectNotePage *m_notePage = nullptr;
    QLabel *m_label14 = nullptr;
    QLabel *m_label10 = nullptr;
    // Compared with, never reached through: events still come while the
    // main window takes its children down.
    QObject *m_treeViewport = nullptr;
    ProjectStore m_store;
    TVTProjectManager *m_manager = nullptr;
    TProjectSelected m_projectSelected;
    NoteEditor *m_noteEditor = nullptr;
    ProjectCommands *m_commands = nullptr;
};

} // namespace veltrano
