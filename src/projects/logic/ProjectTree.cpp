#include "projects/logic/ProjectTree.h"

#include "platform/FileSystem.h"
#include "projects/logic/ProjectStore.h"

namespace veltrano {

QString StructurePath(const ProjectNode *node)
{
    QStringList labels;
    for (; node; node = node->parent)
        labels.prepend(node->label);
    QString path;
    for (const QString &label : labels)
        path += label + u'\\';
    return path;
}

namespace {

void listAllFoldersInto(const FileSystem &files, const QString &folder, QStringList &list)
{
    QStringList found;
    for (const FolderEntry &entry : files.listFolder(folder)) {
        // Links are not followed: a link to a folder above would never end.
        if (IsPlainFolder(entry))
            found << folder + u'/' + entry.name;
    }
    list += found;
    for (const QString &child : std::as_const(found))
        listAllFoldersInto(files, child, list);
}

} // namespace

QStringList ListAllFolders(const FileSystem &files, const QString &folder)
{
    QStringList list;
    listAllFoldersInto(files, folder, list);
    return list;
}

void ProjectTree::ScanFolder(const FileSystem &files, const QString &folder, ProjectNode &node)
{
    for (const FolderEntry &entry : files.listFolder(folder)) {
        if (!IsStructureFolder(entry))
            continue;
        auto child = std::make_unique<ProjectNode>();
        child->label = entry.name;
        child->parent = &node;
        child->level = node.level + 1;
        ProjectNode &added = *node.children.emplace_back(std::move(child));
        ScanFolder(files, folder + entry.name + u'/', added);
    }
    node.imageIndex = node.selectedImageIndex = node.level;
}

std::optional<QString> ProjectTree::RebuildTree(const FileSystem &files, const QString &dataFolder)
{
    const QString group = dataFolder + kGroupFolderName;
    if (!files.isFolder(group))
        return QString::fromUtf16(kTasksFilesDamagedMessage);
    m_topLevel.clear();
    auto root = std::make_unique<ProjectNode>();
    root->label = QString::fromUtf16(kGroupFolderName);
    ScanFolder(files, group + u'/', *root);
    m_topLevel.push_back(std::move(root));
    return std::nullopt;
}

void ProjectTree::StartupListing(const FileSystem &files, const QString &dataFolder)
{
    m_topLevel.clear();
    for (const QString &path : ListAllFolders(files, dataFolder + kGroupFolderName)) {
        auto node = std::make_unique<ProjectNode>();
        node->label = path.mid(path.lastIndexOf(u'/') + 1);
        m_topLevel.push_back(std::move(node));
    }
}

ProjectCount ProjectTree::CountProjects() const
{
    ProjectCount result;
    forEachInTreeOrder([&](const ProjectNode &node) {
        if (node.level == 1)
            ++result.count;
    });
    result.caption = u"Projects . . . " + QString::number(result.count);
    return result;
}

const ProjectNode *ProjectTree::SelectNodeByLabel(const QString &label) const
{
    const ProjectNode *match = nullptr;
    forEachInTreeOrder([&](const ProjectNode &node) {
        if (!match && node.label == label)
            match = &node;
    });
    return match;
}

std::vector<const ProjectNode *> ProjectTree::nodesInTreeOrder() const
{
    std::vector<const ProjectNode *> nodes;
    forEachInTreeOrder([&](const ProjectNode &node) { nodes.push_back(&node); });
    return nodes;
}

} // namespace veltrano
