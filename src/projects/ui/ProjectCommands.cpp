#include "projects/ui/ProjectCommands.h"

#include "common/logic/MessageBoxes.h"
#include "common/ui/ModalDialogs.h"
#include "projects/logic/ProjectStore.h"
#include "projects/ui/NewProjectDialog.h"
#include "projects/ui/NewSubStructureDialog.h"
#include "projects/ui/DeleteStructureDialog.h"
#include "projects/ui/ProjectTreePresenter.h"
#include "projects/ui/RenameStructureDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace veltrano {

ProjectCommands::ProjectCommands(ProjectTreePresenter &manager, QTreeWidget &tree, ProjectStore &store,
                                 MessageBoxes &messages, ModalDialogs &dialogs, QObject *parent)
    : QObject(parent), m_manager(manager), m_tree(tree), m_store(store), m_messages(messages), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("ProjectCommands"));
}

template <typename Form>
void ProjectCommands::takeForm(QPointer<Form> &slot, Form *form, void (ProjectCommands::*confirmed)())
{
    slot = form;
    connect(form, &StructureDialog::confirmed, this, confirmed);
}

void ProjectCommands::setNewProjectForm(NewProjectDialog *form)
{
    takeForm(m_newProject, form, &ProjectCommands::newProjectConfirmed);
}

void ProjectCommands::setNewSubForm(NewSubStructureDialog *form)
{
    takeForm(m_newSub, form, &ProjectCommands::newSubConfirmed);
}

void ProjectCommands::setRenamerForm(RenameStructureDialog *form)
{
    takeForm(m_renamer, form, &ProjectCommands::renameConfirmed);
}

void ProjectCommands::setDeleteForm(DeleteStructureDialog *form)
{
    // Its path label is made empty; clearing it here would build the dialog
    // at start-up.
    takeForm(m_delete, form, &ProjectCommands::deleteConfirmed);
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
        if (!m_newProject)
            return;
        m_newProject->prepare(m_store.SuggestProjectName());
        m_dialogs.exec(*m_newProject);
        return;
    }
    if (!m_newSub)
        return;
    m_newSub->prepare();
    m_dialogs.exec(*m_newSub);
}

void ProjectCommands::renameStructure()
{
    const QTreeWidgetItem *node = selectedNode();
    if (!node || ProjectTreePresenter::levelOf(node) == 0 || !m_renamer)
        return;
    m_renamer->label1()->setText(node->text(0));
    m_renamer->prepare();
    m_dialogs.exec(*m_renamer);
}

void ProjectCommands::deleteStructure()
{
    const QTreeWidgetItem *node = selectedNode();
    if (!node || ProjectTreePresenter::levelOf(node) == 0 || !m_delete)
        return;
    const QString path = ProjectTreePresenter::StructurePath(node);
    m_delete->label2()->setText(path);
    m_delete->label2()->setToolTip(path);
    m_dialogs.exec(*m_delete);
}

bool ProjectCommands::accepted(const StructureChange &change)
{
    switch (change.result) {
    case StructureChange::Result::BadName:
        m_messages.bare(change.message);
        return false;
    case StructureChange::Result::Exists:
        m_messages.notice(change.message);
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
    const QString name = m_newProject->edit1()->text();
    if (accepted(m_store.CreateProject(name)))
        finishNaming(*m_newProject, name, true);
}

void ProjectCommands::newSubConfirmed()
{
    const QTreeWidgetItem *node = selectedNode();
    const QString name = m_newSub->edit1()->text();
    if (!node) { // the tree changed under the dialog; nothing to add to
        m_newSub->reject();
        return;
    }
    if (accepted(m_store.CreateStructure(ProjectTreePresenter::StructurePath(node), name)))
        finishNaming(*m_newSub, name, true);
}

void ProjectCommands::renameConfirmed()
{
    const QTreeWidgetItem *node = selectedNode();
    const QString name = m_renamer->edit1()->text();
    if (!node || !node->parent()) {
        m_renamer->reject();
        return;
    }
    const QString parentPath = ProjectTreePresenter::StructurePath(node->parent());
    if (accepted(m_store.RenameStructure(parentPath, m_renamer->label1()->text(), name)))
        finishNaming(*m_renamer, name, false);
}

void ProjectCommands::deleteConfirmed()
{
    const DeleteReport report = m_store.DeleteStructure(m_delete->label2()->text());
    for (const QString &failure : report.failures)
        m_messages.notice(failure);
    if (!report.refusal.isEmpty())
        m_messages.notice(report.refusal);
    m_delete->accept();
    const QTreeWidgetItem *node = selectedNode();
    const QString parentLabel = node && node->parent() ? node->parent()->text(0) : QString();
    m_manager.RebuildTree();
    m_manager.SelectNodeByLabel(parentLabel);
    m_tree.setFocus(Qt::OtherFocusReason);
}

} // namespace veltrano
