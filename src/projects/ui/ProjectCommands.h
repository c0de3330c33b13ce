#pragma once
#include <QObject>
#include <memory>

class QTreeWidget;
class QTreeWidgetItem;

namespace veltrano {

class AppContext;
class ProjectStore;
class StructureDialog;
class ProjectTreePresenter;
class NewProjectDialog;
class NewSubStructureDialog;
class DeleteStructureDialog;
class RenameStructureDialog;
struct StructureChange;

// The three commands on the project structure and the dialogs they open
// (each made the first time it is needed): each change goes to the disk at
// once, then the tree is rebuilt from it and the changed node selected again
// by its name.
class ProjectCommands final : public QObject {
    Q_OBJECT
public:
    ProjectCommands(AppContext &context, ProjectTreePresenter &manager, QTreeWidget &tree, ProjectStore &store,
                    QObject *parent = nullptr);
    ~ProjectCommands() override;

    // With no node selected (after a rebuild) a new structure can only be a
    // project, and there is nothing to rename or delete.
    void newStructure();
    void renameStructure();
    void deleteStructure();
    // The selected node, or none.
    QTreeWidgetItem *selectedNode() const;

    NewProjectDialog &newProjectDialog();
    NewSubStructureDialog &newSubDialog();
    RenameStructureDialog &renameDialog();
    DeleteStructureDialog &deleteDialog();

private:
    template <typename Dialog>
    Dialog &made(std::unique_ptr<Dialog> &slot, void (ProjectCommands::*confirmed)());
    void newProjectConfirmed();
    void newSubConfirmed();
    void renameConfirmed();
    void deleteConfirmed();
    // Tells a refused name, an existing target or the file system's refusal
    // above `dialog`; false leaves the dialog open.
    bool accepted(const StructureChange &change, StructureDialog &dialog);
    void finishNaming(StructureDialog &dialog, const QString &name, bool focusWhenMissing);

    AppContext &m_context;
    ProjectTreePresenter &m_manager;
    QTreeWidget &m_tree;
    ProjectStore &m_store;
    std::unique_ptr<NewProjectDialog> m_newProject;
    std::unique_ptr<NewSubStructureDialog> m_newSub;
    std::unique_ptr<RenameStructureDialog> m_renamer;
    std::unique_ptr<DeleteStructureDialog> m_delete;
};

} // namespace veltrano
