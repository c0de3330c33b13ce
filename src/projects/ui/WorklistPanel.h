#pragma once
#include <QTabWidget>

class QTreeWidget;

namespace veltrano {

// The worklist beside the pages, `PageControlProjects`: the "Worklist" page
// with the project tree `TreeViewProjects` and its buttons, and the "Planner"
// and "Notelist" pages whose tabs stay hidden.
class WorklistPanel final : public QTabWidget {
    Q_OBJECT
public:
    enum Sheet { SheetProjList, SheetPlanner, SheetNotelist };

    explicit WorklistPanel(QWidget *parent = nullptr);

    QTreeWidget *tree() const { return m_tree; }

private:
    QWidget *createProjList();
    QWidget *createPlanner();
    void createPopupMenu();

    QTreeWidget *m_tree = nullptr;
};

} // namespace veltrano
