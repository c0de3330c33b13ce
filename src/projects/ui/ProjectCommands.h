#pragma once
#include <QObject>
#include <QPointer>

class QTreeWidget;
class QTreeWidgetItem;

namespace veltrano {

class MessageBoxes;
class ModalDialogs;
class ProjectStore;
class StructureDialog;
class TVTProjectManager;
class TfrmNewProject;
class TfrmNewSub;
class TfrmProjectDelete;
class TfrmProjectRenamer;
struct StructureChange;

// The three commands on the project structure and the dialogs they open:
// each change goes to the disk at once, then the tree is rebuilt from it and
// the changed node selected again by its name.
class ProjectCommands final : public QObject {
    Q_OBJECT
public:
    ProjectCommands(TVTProjectManager &manager, QTreeWidget &tree, ProjectStore &store, MessageBoxes &messages,
                    ModalDialogs &dialogs, QObject *parent = nullptr);

    // The dialogs come later than the main window, each at its place in the
    // creation order.
    void setNewProjectForm(TfrmNewProject *form);
    void setNewSubForm(TfrmNewSub *form);
    void setRenamerForm(TfrmProjectRenamer *form);
    void setDeleteForm(TfrmProjectDelete *form);

    // With no node selected (after a rebuild) a new structure can only be a
    // project, and there is nothing to rename or delete.
    void NewSub1Click();
    void Rename1Click();
    void DeleteProject1Click();

    // The selected node, or none.
    QTreeWidgetItem *selectedNode() const;

private:
    template <typename Form>
    void takeForm(QPointer<Form> &slot, Form *form, void (ProjectCommands::*confirmed)());
    void newProjectConfirmed();
    void newSubConfirmed();
    void renameConfirmed();
    void deleteConfirmed();
    // Tells a refused name or an existing target; false leaves the dialog open.
    bool accepted(const StructureChange &change);
    void finishNaming(StructureDialog &dialog, const QString &name, bool focusWhenMissing);

    TVTProjectManager &m_manager;
    QTreeWidget &m_tree;
    ProjectStore &m_store;
    MessageBoxes &m_messages;
    ModalDialogs &m_dialogs;
    // Destroyed before the main window at exit.
    QPointer<TfrmNewProject> m_newProject;
    QPointer<TfrmNewSub> m_newSub;
    QPointer<TfrmProjectRenamer> m_renamer;
    QPointer<TfrmProjectDelete> m_delete;
};

} // namespace veltrano
