#include "projects/ui/ProjectsFeature.h"

#include "app/ui/MainWindow.h"
#include "common/ui/Hints.h"
#include "platform/Platform.h"
#include "projects/ui/NoteEditor.h"
#include "projects/ui/ProjectCommands.h"
#include "projects/ui/ProjectNotePage.h"
#include "projects/ui/WorklistPanel.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace veltrano {
namespace {

constexpr int kPassingStatusMs = 20000;

} // namespace

ProjectsFeature::ProjectsFeature(MainWindow &main)
    : QObject(&main), m_main(main), m_store(main.platform().files(), main.dataFolder())
{
    setObjectName(QStringLiteral("ProjectsFeature"));
    m_worklist = new WorklistPanel;
    main.setSidePanelContent(m_worklist);
    m_notePage = new ProjectNotePage;
    main.setPageContent(Page::Projects, m_notePage);
    main.setPageContent(Page::TheContacts, createTheContactsPage());

    Platform &platform = main.platform();
    m_manager = new ProjectTreePresenter(*m_worklist->tree(), *m_label10, platform.files(), main.messages(),
                                      main.dataFolder(), this);
    m_noteEditor = new NoteEditor(*m_notePage,
                                  {platform.files(), platform.textCodec(), platform.clock(),
                                   platform.regionalFormats(), main.messages(), main.dialogs(), main.dataFolder()},
                                  this);
    connect(m_noteEditor, &NoteEditor::status, this, &ProjectsFeature::showNoteStatus);
    m_commands = new ProjectCommands(*m_manager, *m_worklist->tree(), m_store, main.messages(), main.dialogs(), this);
    wireTree();
    wireCommands();

    connect(&main, &MainWindow::pageChosen, this, &ProjectsFeature::pageChosen);
    connect(&main, &MainWindow::showing, this, &ProjectsFeature::onMainWindowShowing);
}

ProjectsFeature::~ProjectsFeature() = default;

QWidget *ProjectsFeature::createTheContactsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_label14 = named(new QLabel(QStringLiteral("Common To-Does :"), page), "Label14");
    m_label14->setCursor(Qt::PointingHandCursor);
    m_label14->installEventFilter(this);
    layout->addWidget(m_label14);
    layout->addWidget(named(new QLabel(QStringLiteral("Draft items"), page), "LabelDraftItems"));
    m_label10 = named(new QLabel(QStringLiteral("Projects . . . 0"), page), "Label10");
    layout->addWidget(m_label10);
    layout->addStretch(1);
    return page;
}

void ProjectsFeature::wireTree()
{
    QTreeWidget *tree = m_worklist->tree();
    connect(tree, &QTreeWidget::currentItemChanged, this, &ProjectsFeature::onTreeSelectionChanged);
    m_treeViewport = tree->viewport();
    m_treeViewport->installEventFilter(this);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree, &QWidget::customContextMenuRequested, this, &ProjectsFeature::onTreeContextMenu);
    connect(m_worklist->popupMenu(), &QMenu::aboutToShow, this, &ProjectsFeature::onTreeMenuAboutToShow);
}

void ProjectsFeature::wireCommands()
{
    const auto run = [this](QAction *action, void (ProjectCommands::*command)()) {
        connect(action, &QAction::triggered, m_commands, command);
    };
    run(m_worklist->newSubItem(), &ProjectCommands::newStructure);
    run(m_worklist->renameItem(), &ProjectCommands::renameStructure);
    run(m_worklist->deleteItem(), &ProjectCommands::deleteStructure);
    run(m_main.command(Command::NewStructure), &ProjectCommands::newStructure);
    run(m_main.command(Command::RenameStructure), &ProjectCommands::renameStructure);
    run(m_main.command(Command::DeleteStructure), &ProjectCommands::deleteStructure);
    connect(m_worklist->newButton(), &QToolButton::clicked, m_commands, &ProjectCommands::newStructure);
    connect(m_worklist->deleteButton(), &QToolButton::clicked, m_commands, &ProjectCommands::deleteStructure);
}

void ProjectsFeature::setNewProjectForm(NewProjectDialog *form) { m_commands->setNewProjectForm(form); }
void ProjectsFeature::setNewSubForm(NewSubStructureDialog *form) { m_commands->setNewSubForm(form); }
void ProjectsFeature::setRenamerForm(RenameStructureDialog *form) { m_commands->setRenamerForm(form); }
void ProjectsFeature::setDeleteForm(DeleteStructureDialog *form) { m_commands->setDeleteForm(form); }

// The Worklist, Planner and Notelist items also turn the worklist to their
// own page; the Worklist item then hands the tree the focus.
void ProjectsFeature::pageChosen(Page page)
{
    switch (page) {
    case Page::Projects:
        m_worklist->setCurrentIndex(WorklistPanel::SheetProjList);
        m_worklist->tree()->setFocus(Qt::OtherFocusReason);
        break;
    case Page::TheContacts:
        m_worklist->setCurrentIndex(WorklistPanel::SheetPlanner);
        break;
    case Page::Notelist:
        m_worklist->setCurrentIndex(WorklistPanel::SheetNotelist);
        break;
    default:
        break;
    }
}

// The tree is read from the disk at every showing; the note shown stays.
void ProjectsFeature::onMainWindowShowing()
{
    m_manager->RebuildTree();
    m_manager->CountProjects();
    if (m_worklist->currentIndex() == WorklistPanel::SheetProjList)
        m_worklist->tree()->setFocus(Qt::OtherFocusReason);
}

// The selection moves: the note of the node left is read again, then the
// note of the new one. A node the view made current by itself (when it got
// the focus) is selected too, so the node drawn selected is the one the
// commands act on.
void ProjectsFeature::onTreeSelectionChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous)
{
    if (m_manager->rebuilding())
        return;
    if (previous)
        loadNote(previous);
    if (current) {
        current->setSelected(true);
        loadNote(current);
    }
    m_manager->CountProjects();
}

void ProjectsFeature::onTreeClicked()
{
    loadNote(m_commands->selectedNode());
}

void ProjectsFeature::onTreeContextMenu(const QPoint &at)
{
    QTreeWidget *tree = m_worklist->tree();
    if (QTreeWidgetItem *under = tree->itemAt(at); under && under != m_commands->selectedNode()) {
        tree->setCurrentItem(under);
        under->setSelected(true);
    }
    m_worklist->popupMenu()->popup(tree->viewport()->mapToGlobal(at));
}

void ProjectsFeature::onTreeMenuAboutToShow()
{
    const QTreeWidgetItem *node = m_commands->selectedNode();
    const bool belowRoot = node && ProjectTreePresenter::levelOf(node) > 0;
    m_worklist->renameItem()->setEnabled(belowRoot);
    m_worklist->deleteItem()->setEnabled(belowRoot);
}

// With no node there is no note to show: the editor keeps what it shows
// rather than reading a note.rtf straight from the data folder.
void ProjectsFeature::loadNote(QTreeWidgetItem *node)
{
    QTreeWidget *tree = m_worklist->tree();
    if (tree->topLevelItemCount() > 0)
        tree->topLevelItem(0)->setExpanded(true);
    if (!node)
        return;
    m_noteEditor->loadNote(ProjectTreePresenter::StructurePath(node));
    m_projectSelected.flag = false;
    m_main.choosePage(Page::Projects);
}

void ProjectsFeature::showNoteStatus(const QString &text, bool lasting)
{
    if (text.isEmpty())
        m_main.statusBar()->clearMessage();
    else
        m_main.statusBar()->showMessage(text, lasting ? 0 : kPassingStatusMs);
}

bool ProjectsFeature::eventFilter(QObject *watched, QEvent *event)
{
    const bool leftRelease = event->type() == QEvent::MouseButtonRelease
                             && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (watched == m_label14 && leftRelease)
        m_main.command(Command::ShowToDoList)->trigger();
    else if (watched == m_treeViewport && leftRelease)
        onTreeClicked();
    return QObject::eventFilter(watched, event);
}

} // namespace veltrano
