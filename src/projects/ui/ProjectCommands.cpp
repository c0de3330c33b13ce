#include "projects/ui/ProjectCommands.h"

#include "common/logic/MessageBoxes.h"
#include "common/ui/AppContext.h"
#include "common/ui/ModalDialogs.h"
#include "projects/logic/ProjectStore.h"
#include "projects/ui/NewProjectDialog.h"
#include "projects/ui/NewSubStructureDialog.h"
#include "projects/ui/DeleteStructureDialog.h"
#include "projects/ui/ElidedLabel.h"
#include "projects/ui/ProjectTreePresenter.h"
#include "projects/ui/RenameStructureDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace veltrano {

ProjectCommands::ProjectCommands(AppContext &context, ProjectTreePresenter &manager, QTreeWidget &tree,
                                 ProjectStore &store, QObject *parent)
    : QObject(parent), m_context(context), m_manager(manager), m_tree(tree), m_store(store)
{
    setObjectName(QStringLiteral("ProjectCommands"));
}

ProjectCommands::~ProjectCommands() = default;

template <typename Dialog>
Dialog &ProjectCommands::made(std::unique_ptr<Dialog> &slot, void (ProjectCommands::*confirmed)())
{
    if (!slot) {
        slot = std::make_unique<Dialog>();
        connect(slot.get(), &StructureDialog::confirmed, this, confirmed);
    }
    return *slot;
}

NewProjectDialog &ProjectCommands::newProjectDialog()
{
    return made(m_newProject, &ProjectCommands::newProjectConfirmed);
}

NewSubStructureDialog &ProjectCommands::newSubDialog()
{
    return made(m_newSub, &ProjectCommands::newSubConfirmed);
}

RenameStructureDialog &ProjectCommands::renameDialog()
{
    return made(m_renamer, &ProjectCommands::renameConfirmed);
}

DeleteStructureDialog &ProjectCommands::deleteDialog()
{
    return made(m_delete, &ProjectCommands::deleteConfirmed);
}

QTreeWidgetItem *ProjectCommands::selectedNode() const
{
    QTreeWidgetItem *current = m_tree.currentItem();
    return current && current->isSelected() ? current : nullptr;
}

void ProjectCommands::newStructure()
{
    const QTreeWidgetItem *node = selectedNode();
    if (!node || ProjectTreePresenter::levelOf(node) == 0) {
        newProjectDialog().prepare(m_store.SuggestProjectName());
        m_context.dialogs().open(*m_newProject);
        return;
    }
    newSubDialog().prepare();
    m_context.dialogs().open(*m_newSub);
}

void ProjectCommands::renameStructure()
{
    const QTreeWidgetItem *node = selectedNode();
    if (!node || ProjectTreePresenter::levelOf(node) == 0)
        return;
    renameDialog().promptLabel()->setText(node->text(0));
    m_renamer->prepare();
    m_context.dialogs().open(*m_renamer);
}

void ProjectCommands::deleteStructure()
{
    const QTreeWidgetItem *node = selectedNode();
    if (!node || ProjectTreePresenter::levelOf(node) == 0)
        return;
    const QString path = ProjectTreePresenter::StructurePath(node);
    deleteDialog().pathLabel()->setText(path);
    m_delete->pathLabel()->setToolTip(PlainToolTip(path));
    m_context.dialogs().open(*m_delete);
}

bool ProjectCommands::accepted(const StructureChange &change, StructureDialog &dialog)
{
    MessageBoxes &messages = m_context.messagesAbout(&dialog);
    switch (change.result) {
    case StructureChange::Result::BadName:
        messages.bare(change.message);
        return false;
    case StructureChange::Result::Exists:
        messages.notice(change.message);
        return false;
    case StructureChange::Result::Failed:
        messages.error(change.message);
        return false;
    case StructureChange::Result::Done:
        break;
    }
    return true;
}

// The change is on disk: the tree is read again, the dialog goes, and the
// first node of the new name (perhaps a namesake in an earlier branch) is
// selected.
void ProjectCommands::finishNaming(StructureDialog &dialog, const QString &name, bool focusWhenMissing)
{
    m_manager.RebuildTree();
    dialog.accept();
    if (!m_manager.SelectNodeByLabel(name) && focusWhenMissing)
        m_tree.setFocus(Qt::OtherFocusReason);
}

void ProjectCommands::newProjectConfirmed()
{
    const QString name = m_newProject->nameEdit()->text();
    if (accepted(m_store.CreateProject(name), *m_newProject))
        finishNaming(*m_newProject, name, true);
}

void ProjectCommands::newSubConfirmed()
{
    const QTreeWidgetItem *node = selectedNode();
    const QString name = m_newSub->nameEdit()->text();
    if (!node) { // the tree changed under the dialog; nothing to add to
        m_newSub->reject();
        return;
    }
    if (accepted(m_store.CreateStructure(ProjectTreePresenter::StructurePath(node), name), *m_newSub))
        finishNaming(*m_newSub, name, true);
}

void ProjectCommands::renameConfirmed()
{
    const QTreeWidgetItem *node = selectedNode();
    const QString name = m_renamer->nameEdit()->text();
    if (!node || !node->parent()) {
        m_renamer->reject();
        return;
    }
    const QString parentPath = ProjectTreePresenter::StructurePath(node->parent());
    if (accepted(m_store.RenameStructure(parentPath, m_renamer->promptLabel()->text(), name), *m_renamer))
        finishNaming(*m_renamer, name, false);
}

void ProjectCommands::deleteConfirmed()
{
    const DeleteReport report = m_store.DeleteStructure(m_delete->pathLabel()->text());
    if (!report.done())
        m_context.messagesAbout(&m_tree).notice(report.refusal);
    m_delete->accept();
    const QTreeWidgetItem *node = selectedNode();
    const QString parentLabel = node && node->parent() ? node->parent()->text(0) : QString();
    m_manager.RebuildTree();
    m_manager.SelectNodeByLabel(parentLabel);
    m_tree.setFocus(Qt::OtherFocusReason);
}

} // namespace veltrano
