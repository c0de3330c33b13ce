#include "platform/qt/QtFileSystem.h"
#include "projects/logic/ProjectTree.h"

#include "platform/fake/FakePlatform.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace veltrano;
using test::TempFolder;

namespace {

class ProjectTreeTest : public ::testing::Test {
protected:
    TempFolder data;
    FakeFileSystem files;
    ProjectTree tree;

    void makeFolder(const QString &relative) const { QDir().mkpath(data.file(u"Projects Group/" + relative)); }

    QStringList labelsInTreeOrder() const
    {
        QStringList labels;
        tree.forEachInTreeOrder([&](const ProjectNode &node) { labels << node.label; });
        return labels;
    }
};

TEST_F(ProjectTreeTest, BuildsNodesInTreeOrderWithLevelsPicturesAndCount)
{
    makeFolder(QStringLiteral("Alpha/Design"));
    makeFolder(QStringLiteral("Beta"));
    ASSERT_FALSE(tree.RebuildTree(files, data.path()));

    EXPECT_EQ(labelsInTreeOrder(),
              (QStringList{u"Projects Group"_qs, u"Alpha"_qs, u"Design"_qs, u"Beta"_qs}));
    std::vector<int> levels, images, selectedImages;
    tree.forEachInTreeOrder([&](const ProjectNode &node) {
        levels.push_back(node.level);
        images.push_back(node.imageIndex);
        selectedImages.push_back(node.selectedImageIndex);
    });
    EXPECT_EQ(levels, (std::vector<int>{0, 1, 2, 1}));
    EXPECT_EQ(images, levels);
    EXPECT_EQ(selectedImages, levels);
    const ProjectCount count = tree.CountProjects();
    EXPECT_EQ(count.count, 2);
    EXPECT_EQ(count.caption, u"Projects . . . 2");
}

TEST_F(ProjectTreeTest, StructurePathsFollowTheLabelsWithBackslashes)
{
    makeFolder(QStringLiteral("Alpha/Design"));
    ASSERT_FALSE(tree.RebuildTree(files, data.path()));
    const std::vector<const ProjectNode *> nodes = tree.nodesInTreeOrder();
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(StructurePath(nodes[0]), u"Projects Group\\");
    EXPECT_EQ(StructurePath(nodes[1]), u"Projects Group\\Alpha\\");
    EXPECT_EQ(StructurePath(nodes[2]), u"Projects Group\\Alpha\\Design\\");
    EXPECT_EQ(StructurePath(nullptr), QString());
}

TEST_F(ProjectTreeTest, OnlyPlainVisibleFoldersBecomeNodes)
{
    TempFolder outside;
    outside.write(QStringLiteral("elsewhere/x"), "x");
    makeFolder(QStringLiteral("Alpha"));
    makeFolder(QStringLiteral(".hidden"));
#ifndef Q_OS_WIN // only here can a name hold the backslash the tree's paths are cut at
    makeFolder(QStringLiteral("back\\slash"));
#endif
    data.write(QStringLiteral("Projects Group/note.rtf"), "{}");
    data.write(QStringLiteral("Projects Group/Alpha/note.rtf"), "{}");
    ASSERT_TRUE(QFile::link(outside.file(QStringLiteral("elsewhere")), data.file(u"Projects Group/Linked"_qs)));
    ASSERT_FALSE(tree.RebuildTree(files, data.path()));
    EXPECT_EQ(labelsInTreeOrder(), (QStringList{u"Projects Group"_qs, u"Alpha"_qs}));
}

TEST_F(ProjectTreeTest, SiblingsComeInWindowsNameOrderIgnoringCase)
{
    for (const char *name : {"beta", "Alpha", "_misc", "Zeta", "alpha2", "10", "9"})
        makeFolder(QString::fromLatin1(name));
    ASSERT_FALSE(tree.RebuildTree(files, data.path()));
    // Names are compared upper-cased, code unit by code unit, so "_" sorts after the letters.
    EXPECT_EQ(labelsInTreeOrder(), (QStringList{u"Projects Group"_qs, u"10"_qs, u"9"_qs, u"Alpha"_qs,
                                                u"alpha2"_qs, u"beta"_qs, u"Zeta"_qs, u"_misc"_qs}));
}

TEST_F(ProjectTreeTest, NodesFromLevelSevenDownHaveNoPicture)
{
    makeFolder(QStringLiteral("1/2/3/4/5/6/7/8"));
    ASSERT_FALSE(tree.RebuildTree(files, data.path()));
    const std::vector<const ProjectNode *> nodes = tree.nodesInTreeOrder();
    ASSERT_EQ(nodes.size(), 9u);
    EXPECT_TRUE(nodes[6]->hasPicture());
    EXPECT_EQ(nodes[7]->level, 7);
    EXPECT_FALSE(nodes[7]->hasPicture());
    EXPECT_FALSE(nodes[8]->hasPicture());
}

TEST_F(ProjectTreeTest, SelectsTheFirstMatchInTreeOrderComparingCase)
{
    makeFolder(QStringLiteral("Alpha/Design"));
    makeFolder(QStringLiteral("Beta/Design"));
    ASSERT_FALSE(tree.RebuildTree(files, data.path()));
    const ProjectNode *found = tree.SelectNodeByLabel(QStringLiteral("Design"));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(StructurePath(found), u"Projects Group\\Alpha\\Design\\");
    EXPECT_EQ(tree.SelectNodeByLabel(QStringLiteral("design")), nullptr);
    EXPECT_EQ(tree.SelectNodeByLabel(QStringLiteral("Projects Group")), tree.root());
}

TEST_F(ProjectTreeTest, MissingGroupFolderReportsAndKeepsTheOldTree)
{
    makeFolder(QStringLiteral("Alpha"));
    ASSERT_FALSE(tree.RebuildTree(files, data.path()));
    QDir(data.file(QStringLiteral("Projects Group"))).removeRecursively();
    EXPECT_EQ(tree.RebuildTree(files, data.path()), u"Mistake! Tasks files are damaged."_qs);
    EXPECT_EQ(labelsInTreeOrder(), (QStringList{u"Projects Group"_qs, u"Alpha"_qs}));
}

TEST_F(ProjectTreeTest, ListAllFoldersGivesChildrenBeforeGrandchildren)
{
    makeFolder(QStringLiteral("A/A1/A11"));
    makeFolder(QStringLiteral("A/A2"));
    makeFolder(QStringLiteral("B/B1"));
    const QString group = data.file(QStringLiteral("Projects Group"));
    const QStringList expected{group + u"/A", group + u"/B", group + u"/A/A1", group + u"/A/A2",
                               group + u"/A/A1/A11", group + u"/B/B1"};
    EXPECT_EQ(ListAllFolders(files, group), expected);
    EXPECT_TRUE(ListAllFolders(files, data.file(QStringLiteral("missing"))).isEmpty());
}

TEST_F(ProjectTreeTest, StartupListingIsFlatAndCountsNoProjects)
{
    makeFolder(QStringLiteral("Alpha/Design"));
    makeFolder(QStringLiteral("Beta"));
    tree.StartupListing(files, data.path());
    EXPECT_EQ(labelsInTreeOrder(), (QStringList{u"Alpha"_qs, u"Beta"_qs, u"Design"_qs}));
    EXPECT_EQ(tree.topLevel().size(), 3u);
    EXPECT_EQ(tree.CountProjects().caption, u"Projects . . . 0");
}

// A group folder of many projects, without making them on disk.
class ManyProjects final : public QtFileSystem {
public:
    int projects = 0;
    QString group;
    bool isFolder(const QString &path) const override { return path == group; }
    QList<FolderEntry> listFolder(const QString &folder) const override
    {
        QList<FolderEntry> entries;
        if (folder == group + u'/') {
            for (int i = 0; i < projects; ++i)
                entries.append({u"P" + QString::number(i), FolderEntry::Kind::Folder, false});
        }
        return entries;
    }
};

TEST(ProjectCountTest, CountsInSixteenBitsAsTheLabelAlwaysHas)
{
    ManyProjects files;
    files.group = QStringLiteral("/data/Projects Group");
    files.projects = 65537;
    ProjectTree tree;
    ASSERT_FALSE(tree.RebuildTree(files, QStringLiteral("/data/")));
    EXPECT_EQ(tree.CountProjects().count, 1);
    EXPECT_EQ(tree.CountProjects().caption, u"Projects . . . 1");
}

} // namespace
