#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace veltrano {

class FileSystem;

inline constexpr auto kTasksFilesDamagedMessage = u"Mistake! Tasks files are damaged.";
// ImageListLevels holds one picture per level 0 to 6; deeper nodes have none.
inline constexpr int kLevelPictureCount = 7;

// One node of the project tree: a structure folder, or the group folder at
// the root. The window mirrors these into its tree view.
struct ProjectNode {
    QString label;
    ProjectNode *parent = nullptr;
    std::vector<std::unique_ptr<ProjectNode>> children;
    int level = 0;
    int imageIndex = -1;
    int selectedImageIndex = -1;

    bool hasPicture() const { return imageIndex >= 0 && imageIndex < kLevelPictureCount; }
};

struct ProjectCount {
    quint16 count = 0;
    QString caption; // "Projects . . . N"
};

// Labels from the root down, each followed by a backslash; empty for no node.
QString StructurePath(const ProjectNode *node);

// Every folder below `folder` (excluded): all children of a folder, then
// everything below its first child, then below its second, and so on.
QStringList ListAllFolders(const FileSystem &files, const QString &folder);

// The project tree, rebuilt whole from the folders after every change and
// never edited in place. Tree order: each node before its children, children
// in the order the folder listing gave them.
class ProjectTree {
public:
    // Rebuilds from data folder + "Projects Group" (`dataFolder` ends with
    // '/'). A missing group folder leaves the tree as it was and gives the
    // notice to show.
    std::optional<QString> RebuildTree(const FileSystem &files, const QString &dataFolder);
    // Adds the structure folders of `folder` (ending in '/') below `node`,
    // each child's subtree complete before its next sibling.
    static void ScanFolder(const FileSystem &files, const QString &folder, ProjectNode &node);
    // The flat start-up listing: one top-level node per folder found anywhere
    // below the group folder, labelled with its own name.
    void StartupListing(const FileSystem &files, const QString &dataFolder);
    void clear() { m_topLevel.clear(); }

    // Level-1 nodes; the count is a 16-bit number and wraps past 65,535.
    ProjectCount CountProjects() const;
    // The first node in tree order whose label matches exactly (case counts).
    const ProjectNode *SelectNodeByLabel(const QString &label) const;

    const ProjectNode *root() const { return m_topLevel.empty() ? nullptr : m_topLevel.front().get(); }
    const std::vector<std::unique_ptr<ProjectNode>> &topLevel() const { return m_topLevel; }
    std::vector<const ProjectNode *> nodesInTreeOrder() const;

    template <typename Visit>
    void forEachInTreeOrder(Visit &&visit) const
    {
        for (const auto &node : m_topLevel)
            visitSubtree(*node, visit);
    }

private:
    template <typename Visit>
    static void visitSubtree(const ProjectNode &node, Visit &visit)
    {
        visit(node);
        for (const auto &child : node.children)
            visitSubtree(*child, visit);
    }

    std::vector<std::unique_ptr<ProjectNode>> m_topLevel;
};

} // namespace veltrano
