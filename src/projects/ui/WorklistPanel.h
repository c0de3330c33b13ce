#pragma once
#include <QTabWidget>

class QMenu;
class QToolButton;
class QTreeWidget;

namespace veltrano {

// The worklist beside the pages, `PageControlProjects`: the "Worklist" page
// with the header bar, the project tree `TreeViewProjects` and its menu
// `PopupMenuProjects`, and the "Planner" and "Notelist" pages whose tabs stay
// hidden. What the buttons and items do is wired by the projects feature.
class WorklistPanel final : public QTabWidget {
    Q_OBJECT
public:
    enum Sheet { SheetProjList, SheetPlanner, SheetNotelist };

    explicit WorklistPanel(QWidget *parent = nullptr);

    QTreeWidget *tree() const { return m_tree; }
    QMenu *popupMenu() const { return m_popupMenu; }
    QAction *newSubItem() const { return m_newSub1; }
    QAction *renameItem() const { return m_rename1; }
    QAction *deleteItem() const { return m_deleteProject1; }
    QToolButton *newButton() const { return m_speedButton1; }
    QToolButton *deleteButton() const { return m_speedButton2; }

private:
    QWidget *createProjList();
    QWidget *createPlanner();
    void createPopupMenu();

    QTreeWidget *m_tree = nullptr;
    QMenu *m_popupMenu = nullptr;
    QAction *m_newSub1 = nullptr;
    QAction *m_rename1 = nullptr;
    QAction *m_deleteProject1 = nullptr;
    QToolButton *m_speedButton1 = nullptr;
    QToolButton *m_speedButton2 = nullptr;
};

} // namespace veltrano
