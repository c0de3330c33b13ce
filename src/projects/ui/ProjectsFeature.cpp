#include "projects/ui/ProjectsFeature.h"

#include "common/logic/MessageBoxes.h"
#include "common/logic/BackgroundWriter.h"
#include "common/ui/AppContext.h"
#include "common/ui/MainFrame.h"
#include "common/ui/Hints.h"
#include "common/logic/DataFolderWatch.h"
#include "platform/DataLocations.h"
#include "platform/Platform.h"
#include "projects/ui/NoteEditor.h"
#include "projects/ui/ProjectCommands.h"
#include "projects/ui/ProjectNotePage.h"
#include "projects/ui/WorklistPanel.h"

#include <QWidget>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>
#include <QScopedValueRollback>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace veltrano {
namespace {

constexpr int kPassingStatusMs = 20000;
// Projects, their structures and theirs: what the tree shows of a sync's work.
constexpr int kFollowedTreeDepth = 4;

} // namespace

ProjectsFeature::ProjectsFeature(AppContext &context, MainFrame &frame)
    : m_context(context), m_frame(frame), m_store(context.files(), context.platform().trash(), context.dataFolder())
{
    setObjectName(QStringLiteral("ProjectsFeature"));
    m_worklist = new WorklistPanel;
    frame.setSidePanelContent(m_worklist);
    frame.setPageContentMaker(Page::Projects, [this] { noteEditor(); });
    frame.setPageContent(Page::TheContacts, createTheContactsPage());

    m_manager = new ProjectTreePresenter(*m_worklist->tree(), *m_projectCount, context.files(),
                                         context.messagesAbout(&frame.window()), context.dataFolder(), this);
    m_commands = new ProjectCommands(context, *m_manager, *m_worklist->tree(), m_store, this);
    wireTree();
    wireCommands();

    connect(&frame, &MainFrame::pageChosen, this, &ProjectsFeature::pageChosen);
    connect(&frame, &MainFrame::showing, this, &ProjectsFeature::onMainWindowShowing);
    followProjectFolders(context);
}

NoteEditor &ProjectsFeature::noteEditor()
{
    if (m_noteEditor)
        return *m_noteEditor;
    m_notePage = new ProjectNotePage;
    m_frame.setPageContent(Page::Projects, m_notePage);
    Platform &platform = m_context.platform();
    m_noteEditor = new NoteEditor(*m_notePage,
                                  {m_context.files(), m_context.watch(), platform.shell(), platform.textCodec(),
                                   platform.clock(), platform.regionalFormats(),
                                   m_context.messagesAbout(&m_frame.window()), m_context.dialogs(),
                                   m_context.dataFolder(),
                                   platform.dataLocations().perUserDataFolder() + QStringLiteral("recovered/")},
                                  this);
    connect(m_noteEditor, &NoteEditor::status, this, &ProjectsFeature::showNoteStatus);
    return *m_noteEditor;
}

ProjectNotePage &ProjectsFeature::notePage()
{
    noteEditor();
    return *m_notePage;
}

void ProjectsFeature::followProjectFolders(AppContext &context)
{
    const QString group = context.dataFolder() + QString::fromUtf16(kGroupFolderName);
    context.watch().followFolders(this, [group] { return QStringList{group}; }, kFollowedTreeDepth,
                                  [this] { reloadTree(); });
}

// Rebuilt from the disk with the node that was current current again, if it
// is still there; the note shown stays as it is.
void ProjectsFeature::reloadTree()
{
    QTreeWidget *tree = m_worklist->tree();
    const QString current = tree->currentItem() ? ProjectTreePresenter::StructurePath(tree->currentItem()) : QString();
    const QScopedValueRollback keeping(m_keepingCurrent, true);
    m_manager->RebuildTree();
    m_manager->CountProjects();
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if (ProjectTreePresenter::StructurePath(*it) == current) {
            tree->setCurrentItem(*it);
            (*it)->setSelected(true);
            break;
        }
    }
}

void ProjectsFeature::saveAtExit()
{
    if (m_noteEditor)
        m_noteEditor->keepUnsavedText();
}

ProjectsFeature::~ProjectsFeature() = default;

QWidget *ProjectsFeature::createTheContactsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_toDoCount = named(new QLabel(QStringLiteral("Common To-Does :"), page), "Label14");
    m_toDoCount->setCursor(Qt::PointingHandCursor);
    m_toDoCount->installEventFilter(this);
    layout->addWidget(m_toDoCount);
    layout->addWidget(named(new QLabel(QStringLiteral("Draft items"), page), "LabelDraftItems"));
    m_projectCount = named(new QLabel(QStringLiteral("Projects . . . 0"), page), "Label10");
    layout->addWidget(m_projectCount);
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
    run(m_frame.command(Command::NewStructure), &ProjectCommands::newStructure);
    run(m_frame.command(Command::RenameStructure), &ProjectCommands::renameStructure);
    run(m_frame.command(Command::DeleteStructure), &ProjectCommands::deleteStructure);
    connect(m_worklist->newButton(), &QToolButton::clicked, m_commands, &ProjectCommands::newStructure);
    connect(m_worklist->deleteButton(), &QToolButton::clicked, m_commands, &ProjectCommands::deleteStructure);
}

void ProjectsFeature::showToDoCount(const QString &caption)
{
    m_toDoCount->setText(caption);
}

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
    if (m_manager->rebuilding() || m_keepingCurrent)
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
    noteEditor().loadNote(ProjectTreePresenter::StructurePath(node));
    m_projectSelected.flag = false;
    m_frame.choosePage(Page::Projects);
}

void ProjectsFeature::showNoteStatus(const QString &text, bool lasting)
{
    m_frame.showStatusMessage(text, lasting ? 0 : kPassingStatusMs);
}

bool ProjectsFeature::eventFilter(QObject *watched, QEvent *event)
{
    const bool leftRelease = event->type() == QEvent::MouseButtonRelease
                             && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (watched == m_toDoCount && leftRelease)
        emit toDoCountClicked();
    else if (watched == m_treeViewport && leftRelease)
        onTreeClicked();
    return QObject::eventFilter(watched, event);
}

} // namespace veltrano
