#include "projects/ui/WorklistPanel.h"

#include "common/ui/AppPictures.h"
#include "common/ui/Hints.h"
#include "projects/ui/ProjectPictures.h"
#include "projects/ui/TreeItemDrawing.h"
#include "projects/ui/WorklistHeader.h"

#include <QAction>
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
}

QWidget *WorklistPanel::createProjList()
{
    auto *list = named(new QWidget, "TabSheetProjList");
    auto *column = new QVBoxLayout(list);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    auto *header = new WorklistHeader(list);
    QToolButton *activate = header->addButton("SpeedButton6", QStringLiteral("Activate"), levelPicture(0));
    setHint(activate, QStringLiteral("Activate worklist|Activate worklist"));
    m_speedButton1 = header->addButton("SpeedButton1", QStringLiteral("New..."),
                                       notePadPicture(NotePadPicture::NewStructure));
    m_speedButton2 = header->addButton("SpeedButton2", QStringLiteral("Delete..."),
                                       notePadPicture(NotePadPicture::DeleteStructure));
    column->addWidget(header);

    m_tree = named(new QTreeWidget(list), "TreeViewProjects");
    m_tree->setHeaderHidden(true);
    m_tree->setAccessibleName(QStringLiteral("Worklist"));
    m_tree->setIndentation(19);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setItemDelegate(new TreeItemDrawing(m_tree));
    m_tree->setIconSize(QSize(16, 16));
    m_tree->setAccessibleName(QStringLiteral("Worklist"));
    // The tree never scrolls sideways; a label too long for it is shortened.
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tree->setTextElideMode(Qt::ElideRight);
    column->addWidget(m_tree, 1);
    connect(activate, &QToolButton::clicked, m_tree, [this] { m_tree->setFocus(Qt::OtherFocusReason); });
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
    m_popupMenu = named(new QMenu(this), "PopupMenuProjects");
    const auto add = [this](const char *name, const char *caption, const QKeySequence &key, const char *hint) {
        QAction *item = makeAction(m_popupMenu, name, QString::fromUtf8(caption), QString::fromUtf8(hint), key);
        m_popupMenu->addAction(item);
        return item;
    };
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    m_newSub1 = add("NewSub1", "New Structure...", ctrl(Qt::Key_Insert),
                    "Creating new structure...|Creating new structure...");
    m_newSub1->setIcon(notePadPicture(NotePadPicture::NewStructure));
    m_popupMenu->addSeparator()->setObjectName(QStringLiteral("N30"));
    m_rename1 = add("Rename1", "Rename...", {}, "");
    m_popupMenu->addSeparator()->setObjectName(QStringLiteral("N37"));
    m_deleteProject1 = add("DeleteProject1", "Delete...", ctrl(Qt::Key_Delete), "Deleting structure...|Deleting structure...");
    m_deleteProject1->setIcon(notePadPicture(NotePadPicture::DeleteStructure));
}

} // namespace veltrano
