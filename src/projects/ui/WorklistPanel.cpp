#include "projects/ui/WorklistPanel.h"

#include "common/ui/AppPictures.h"
#include "common/ui/Hints.h"
#include "projects/ui/ProjectPictures.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace veltrano {

WorklistPanel::WorklistPanel(QWidget *parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("PageControlProjects"));
    addTab(createProjList(), QStringLiteral("Worklist"));
    addTab(createPlanner(), QStringLiteral("Planner"));
    addTab(named(new QWidget, "TabSheetNotelistProjects"), QStringLiteral("Notelist"));
    setTabVisible(SheetPlanner, false);
    setTabVisible(SheetNotelist, false);
    setCurrentIndex(SheetProjList);
    createPopupMenu();
    // The tree never scrolls sideways.
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QWidget *WorklistPanel::createProjList()
{
    auto *list = named(new QWidget, "TabSheetProjList");
    auto *column = new QVBoxLayout(list);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    auto *header = named(new QWidget(list), "PanelWorklistHeader");
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    const auto headerButton = [header, row](const char *name, const QString &caption, const QIcon &icon) {
        auto *button = named(new QToolButton(header), name);
        button->setText(caption);
        button->setIcon(icon);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        row->addWidget(button);
        return button;
    };
    QToolButton *activate = headerButton("SpeedButton6", QStringLiteral("Activate"), levelPicture(0));
    setHint(activate, QStringLiteral("Activate worklist|Activate worklist"));
    headerButton("SpeedButton1", QStringLiteral("New..."), notePadPicture(NotePadPicture::NewStructure));
    headerButton("SpeedButton2", QStringLiteral("Delete..."), notePadPicture(NotePadPicture::DeleteStructure));
    row->addStretch(1);
    column->addWidget(header);

    m_tree = named(new QTreeWidget(list), "TreeViewProjects");
    m_tree->setHeaderHidden(true);
    m_tree->setAccessibleName(QStringLiteral("Worklist"));
    m_tree->setIndentation(19);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    column->addWidget(m_tree, 1);
    connect(activate, &QToolButton::clicked, m_tree, [this] { m_tree->setFocus(); });
    auto *bottom = named(new QWidget(list), "PanelWorkListBottom");
    bottom->hide();
    column->addWidget(bottom);
    return list;
}

QWidget *WorklistPanel::createPlanner()
{
    auto *planner = named(new QWidget, "TabSheetPlanner");
    auto *column = new QVBoxLayout(planner);
    column->setContentsMargins(0, 0, 0, 0);
    auto *setup = named(new QToolButton(planner), "SpeedButton3");
    setup->setText(QStringLiteral("Setup..."));
    column->addWidget(setup);
    column->addStretch(1);
    return planner;
}

void WorklistPanel::createPopupMenu()
{
    auto *menu = named(new QMenu(this), "PopupMenuProjects");
    const auto add = [menu](const char *name, const char *caption, const QKeySequence &key, const char *hint) {
        QAction *item = makeAction(menu, name, QString::fromUtf8(caption), QString::fromUtf8(hint), key);
        menu->addAction(item);
        return item;
    };
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    add("NewSub1", "New Structure...", ctrl(Qt::Key_Insert), "Creating new structure...|Creating new structure...")
        ->setIcon(notePadPicture(NotePadPicture::NewStructure));
    menu->addSeparator()->setObjectName(QStringLiteral("N30"));
    add("Rename1", "Rename...", {}, "");
    menu->addSeparator()->setObjectName(QStringLiteral("N37"));
    add("DeleteProject1", "Delete...", ctrl(Qt::Key_Delete), "Deleting structure...|Deleting structure...")
        ->setIcon(notePadPicture(NotePadPicture::DeleteStructure));
    attachContextMenu(m_tree, menu);
}

} // namespace veltrano
