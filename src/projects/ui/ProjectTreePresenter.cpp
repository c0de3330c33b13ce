#include "projects/ui/ProjectTreePresenter.h"

#include "common/logic/MessageBoxes.h"
#include "platform/FileSystem.h"
#include "projects/ui/ProjectPictures.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace veltrano {
namespace {

// Keeps the rebuilding mark up while the tree is emptied and filled.
class Rebuilding {
public:
    explicit Rebuilding(bool &flag) : m_flag(flag) { m_flag = true; }
    ~Rebuilding() { m_flag = false; }

private:
    bool &m_flag;
};

} // namespace

ProjectTreePresenter::ProjectTreePresenter(QTreeWidget &tree, QLabel &projectCount, FileSystem &files,
                                     MessageBoxes &messages, QString dataFolder, QObject *parent)
    : QObject(parent), m_tree(tree), m_projectCount(projectCount), m_files(files), m_messages(messages),
      m_dataFolder(std::move(dataFolder))
{
    ProjectTree listing;
    listing.StartupListing(m_files, m_dataFolder);
    mirror(listing);
    CountProjects();
}

bool ProjectTreePresenter::RebuildTree()
{
    ProjectTree tree;
    if (const std::optional<QString> damaged = tree.RebuildTree(m_files, m_dataFolder)) {
        m_messages.notice(*damaged);
        return false;
    }
    mirror(tree);
    m_tree.expandAll();
    return true;
}

const QIcon &ProjectTreePresenter::levelIcon(int level) const
{
    QIcon &icon = m_levelIcons[static_cast<size_t>(level)];
    if (icon.isNull()) {
        // The pixmap is kept: drawing the picture anew for every row would
        // cost a picture parse per row painted.
        icon = QIcon(levelPicture(level).pixmap(m_tree.iconSize(), m_tree.devicePixelRatio()));
    }
    return icon;
}

QTreeWidgetItem *ProjectTreePresenter::itemFor(const ProjectNode &node) const
{
    auto *item = new QTreeWidgetItem(QStringList{node.label});
    if (node.hasPicture())
        item->setIcon(0, levelIcon(node.imageIndex));
    QList<QTreeWidgetItem *> children;
    children.reserve(qsizetype(node.children.size()));
    for (const auto &child : node.children)
        children << itemFor(*child);
    item->addChildren(children);
    return item;
}

// The items are made while they belong to no view, and handed to it in one
// go: a view told of each node on its own would lay itself out thousands of
// times for a large tree. The view, and a screen reader behind it, hear of
// the whole change as one reset: told of the old rows going and then of the
// new ones coming, a screen reader drops and asks again about every row it
// knows, twice, for a tree of thousands of folders.
void ProjectTreePresenter::mirror(const ProjectTree &tree)
{
    const Rebuilding mark(m_rebuilding);
    QList<QTreeWidgetItem *> topLevel;
    for (const auto &node : tree.topLevel())
        topLevel << itemFor(*node);
    m_tree.selectionModel()->clear();
    {
        const QSignalBlocker quiet(m_tree.model());
        m_tree.clear();
        m_tree.addTopLevelItems(topLevel);
    }
    m_tree.reset(); // the view forgets every row it had and reads the new ones
}

int ProjectTreePresenter::CountProjects()
{
    // The nodes at level 1; the start-up listing has none below its top.
    int count = 0;
    for (int i = 0; i < m_tree.topLevelItemCount(); ++i)
        count += m_tree.topLevelItem(i)->childCount();
    const quint16 wrapped = quint16(count);
    m_projectCount.setText(QStringLiteral("Projects . . . ") + QString::number(wrapped));
    return wrapped;
}

namespace {

QTreeWidgetItem *firstLabelled(QTreeWidgetItem *node, const QString &label)
{
    if (node->text(0) == label)
        return node;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QTreeWidgetItem *found = firstLabelled(node->child(i), label))
            return found;
    }
    return nullptr;
}

} // namespace

bool ProjectTreePresenter::SelectNodeByLabel(const QString &label)
{
    for (int i = 0; i < m_tree.topLevelItemCount(); ++i) {
        if (QTreeWidgetItem *found = firstLabelled(m_tree.topLevelItem(i), label)) {
            m_tree.setCurrentItem(found);
            m_tree.setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

QString ProjectTreePresenter::StructurePath(const QTreeWidgetItem *node)
{
    QString path;
    for (; node; node = node->parent())
        path.prepend(node->text(0) + u'\\');
    return path;
}

int ProjectTreePresenter::levelOf(const QTreeWidgetItem *node)
{
    int level = -1;
    for (; node; node = node->parent())
        ++level;
    return level;
}

} // namespace veltrano
