#pragma once
#include "projects/logic/ProjectTree.h"

#include <QIcon>
#include <QObject>
#include <array>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace veltrano {

class FileSystem;
class MessageBoxes;

// The project manager: the tree view `TreeViewProjects` filled from the
// project folders and rebuilt whole after every change, never edited in
// place, and the project count in `Label10`.
class ProjectTreePresenter final : public QObject {
    Q_OBJECT
public:
    // Performs the start-up listing: every folder below the group folder as a
    // top-level node, until the first showing rebuilds the real tree.
    ProjectTreePresenter(QTreeWidget &tree, QLabel &projectCount, FileSystem &files, MessageBoxes &messages,
                      QString dataFolder, QObject *parent = nullptr);

    // False, after the notice, when the group folder is missing; the tree
    // then keeps what it showed. Leaves no node selected.
    bool RebuildTree();
    int CountProjects();
    // Selects the first node in tree order labelled exactly `label` and
    // gives the tree the focus; false, with nothing changed, when none is.
    bool SelectNodeByLabel(const QString &label);

    // While the tree is emptied and filled, its selection changes are no
    // selections of the user's.
    bool rebuilding() const { return m_rebuilding; }

    static QString StructurePath(const QTreeWidgetItem *node);
    static int levelOf(const QTreeWidgetItem *node);

private:
    void mirror(const ProjectTree &tree);
    QTreeWidgetItem *itemFor(const ProjectNode &node) const;
    const QIcon &levelIcon(int level) const;

    QTreeWidget &m_tree;
    QLabel &m_projectCount;
    FileSystem &m_files;
    MessageBoxes &m_messages;
    QString m_dataFolder;
    bool m_rebuilding = false;
    mutable std::array<QIcon, kLevelPictureCount> m_levelIcons; // drawn once, shared by every node
};

// The current-project record: its flag is cleared after every note load.
struct CurrentProject {
    bool flag = false;
    QString name;
};

} // namespace veltrano
