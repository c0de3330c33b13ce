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
class ProjectTreePresenter;
class NewProjectDialog;
class NewSubStructureDialog;
class DeleteStructureDialog;
class RenameStructureDialog;
struct StructureChange;

// The three commands on the project structure and the dialogs they open:
// each change goes to the disk at once, then the tree is rebuilt from it and
// the changed node selected again by its name.
class ProjectCommands final : public QObject {
    Q_OBJECT
public:
    ProjectCommands(ProjectTreePresenter &manager, QTreeWidget &tree, ProjectStore &store, MessageBoxes &messages,
                    ModalDialogs &dialogs, QObject *parent = nullptr);

    // The dialogs come later than the main window, each at its place in the
    // creation order.
    void setNewProjectForm(NewProjectDialog *form);
    void setNewSubForm(NewSubStructureDialog *form);
    void setRenamerForm(RenameStructureDialog *form);
    void setDeleteForm(DeleteStructureDialog *form);

    // With no node selected (after a rebuild) a new structure can only be a
    // project, and there is nothing to rename or delete.
    void newStructure();
    void renameStructure();
    void deleteStructure();

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

    ProjectTreePresenter &m_manager;
    QTreeWidget &m_tree;
    ProjectStore &m_store;
    MessageBoxes &m_messages;
    ModalDialogs &m_dialogs;
    // Destroyed before the main window at exit.
    QPointer<NewProjectDialog> m_newProject;
    QPointer<NewSubStructureDialog> m_newSub;
    QPointer<RenameStructureDialog> m_renamer;
    QPointer<DeleteStructureDialog> m_delete;
};

} // namespace veltrano
