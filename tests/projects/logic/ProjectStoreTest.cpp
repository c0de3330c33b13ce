#include "projects/logic/ProjectStore.h"

#include "platform/fake/FakePlatform.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace veltrano;
using test::TempFolder;

namespace {

class ProjectStoreTest : public ::testing::Test {
protected:
    TempFolder data;
    FakeFileSystem files;
    ProjectStore store{files, data.path()};

    QString group(const QString &relative = {}) const { return data.file(u"Projects Group/" + relative); }
    void makeFolder(const QString &relative) const { QDir().mkpath(group(relative)); }
    bool existsInGroup(const QString &relative) const { return QFileInfo::exists(group(relative)); }
};

TEST(CheckStructureNameTest, RefusesEachForbiddenCharacterIncludingTheUnlistedQuote)
{
    for (QChar ch : QStringLiteral("\"*/:<>?\\|")) {
        const QString name = u"Plan" + QString(ch) + u"B";
        EXPECT_EQ(CheckStructureName(name), NameCheck::ForbiddenCharacter) << name.toStdString();
    }
    EXPECT_EQ(NameCheckMessage(NameCheck::ForbiddenCharacter), u"Please, do not use <>|*?\\/:");
}

TEST(CheckStructureNameTest, EmptyIsRefusedAndEverythingElseAcceptedAsTyped)
{
    EXPECT_EQ(CheckStructureName(QString()), NameCheck::Empty);
    EXPECT_EQ(NameCheckMessage(NameCheck::Empty), u"Please, input project name");
    for (const QString &name : {QStringLiteral(" "), QStringLiteral(" padded "), QStringLiteral("."),
                                QStringLiteral(".."), QStringLiteral("Проект №1")})
        EXPECT_EQ(CheckStructureName(name), NameCheck::Ok) << name.toStdString();
}

TEST_F(ProjectStoreTest, SuggestsTheFirstFreeProjectNumberFillingGaps)
{
    EXPECT_EQ(store.SuggestProjectName(), u"Project1"); // no group folder yet
    makeFolder(QStringLiteral("Project1"));
    EXPECT_EQ(store.SuggestProjectName(), u"Project2");
    makeFolder(QStringLiteral("Project3"));
    EXPECT_EQ(store.SuggestProjectName(), u"Project2");
}

TEST_F(ProjectStoreTest, CreatingTheFirstProjectCreatesTheGroupFolder)
{
    const StructureChange change = store.CreateProject(QStringLiteral("Alpha"));
    EXPECT_TRUE(change.done());
    EXPECT_TRUE(QFileInfo(group(QStringLiteral("Alpha"))).isDir());
}

TEST_F(ProjectStoreTest, ExistingProjectIsReportedWithItsName)
{
    makeFolder(QStringLiteral("Alpha"));
    const StructureChange change = store.CreateProject(QStringLiteral("Alpha"));
    EXPECT_EQ(change.result, StructureChange::Result::Exists);
    EXPECT_EQ(change.message, u"Project Alpha already exists :(");
}

TEST_F(ProjectStoreTest, ForbiddenNameIsRefusedBeforeTheDiskIsTouched)
{
    const StructureChange change = store.CreateProject(QStringLiteral("a/b"));
    EXPECT_EQ(change.result, StructureChange::Result::BadName);
    EXPECT_EQ(change.message, u"Please, do not use <>|*?\\/:");
    EXPECT_FALSE(QFileInfo::exists(group()));
    EXPECT_EQ(store.CreateProject(QString()).message, u"Please, input project name");
}

TEST_F(ProjectStoreTest, DotNamesPassTheCharacterTestAndThenExist)
{
    makeFolder(QStringLiteral("Alpha"));
    EXPECT_EQ(store.CreateProject(QStringLiteral(".")).result, StructureChange::Result::Exists);
    EXPECT_EQ(store.CreateProject(QStringLiteral("..")).result, StructureChange::Result::Exists);
    EXPECT_EQ(store.CreateStructure(QStringLiteral("Projects Group\\Alpha\\"), QStringLiteral("..")).message,
              u"Sorry, this structure already exists :(");
}

TEST_F(ProjectStoreTest, SubStructureGoesInsideTheParentPathAndSameNameMayRecurElsewhere)
{
    makeFolder(QStringLiteral("Alpha/Design"));
    makeFolder(QStringLiteral("Beta"));
    EXPECT_TRUE(store.CreateStructure(QStringLiteral("Projects Group\\Beta\\"), QStringLiteral("Design")).done());
    EXPECT_TRUE(QFileInfo(group(QStringLiteral("Beta/Design"))).isDir());
    const StructureChange again =
        store.CreateStructure(QStringLiteral("Projects Group\\Beta\\"), QStringLiteral("Design"));
    EXPECT_EQ(again.result, StructureChange::Result::Exists);
    EXPECT_EQ(again.message, u"Sorry, this structure already exists :(");
}

TEST_F(ProjectStoreTest, RenameMovesTheFolderWithNoteAndSubStructures)
{
    makeFolder(QStringLiteral("Alpha/Design"));
    data.write(QStringLiteral("Projects Group/Alpha/note.rtf"), "{\\rtf1 note}");
    EXPECT_TRUE(store.RenameStructure(QStringLiteral("Projects Group\\"), QStringLiteral("Alpha"),
                                      QStringLiteral("Gamma")).done());
    EXPECT_FALSE(existsInGroup(QStringLiteral("Alpha")));
    EXPECT_TRUE(existsInGroup(QStringLiteral("Gamma/Design")));
    EXPECT_EQ(data.read(QStringLiteral("Projects Group/Gamma/note.rtf")), "{\\rtf1 note}");
}

TEST_F(ProjectStoreTest, RenameToItsOwnOrAnExistingNameIsRefused)
{
    makeFolder(QStringLiteral("Alpha"));
    makeFolder(QStringLiteral("Beta"));
    const QString parent = QStringLiteral("Projects Group\\");
    const StructureChange same = store.RenameStructure(parent, QStringLiteral("Alpha"), QStringLiteral("Alpha"));
    EXPECT_EQ(same.result, StructureChange::Result::Exists);
    EXPECT_EQ(same.message, u"Incorrect name, input another...");
    EXPECT_EQ(store.RenameStructure(parent, QStringLiteral("Alpha"), QStringLiteral("Beta")).result,
              StructureChange::Result::Exists);
    EXPECT_EQ(store.RenameStructure(parent, QStringLiteral("Alpha"), QStringLiteral("B|eta")).result,
              StructureChange::Result::BadName);
    EXPECT_TRUE(existsInGroup(QStringLiteral("Alpha")));
}

TEST_F(ProjectStoreTest, DeleteRemovesEverythingInsideIncludingReadOnlyFiles)
{
    makeFolder(QStringLiteral("Alpha/Design/Deep"));
    data.write(QStringLiteral("Projects Group/Alpha/note.rtf"), "x");
    data.write(QStringLiteral("Projects Group/Alpha/Design/.hidden"), "x");
    const QString locked = group(QStringLiteral("Alpha/Design/locked.txt"));
    data.write(QStringLiteral("Projects Group/Alpha/Design/locked.txt"), "x");
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    const DeleteReport report = store.DeleteStructure(QStringLiteral("Projects Group\\Alpha\\"));
    EXPECT_TRUE(report.failures.isEmpty());
    EXPECT_TRUE(report.refusal.isEmpty());
    EXPECT_FALSE(existsInGroup(QStringLiteral("Alpha")));
    EXPECT_TRUE(QFileInfo(group()).isDir());
}

TEST_F(ProjectStoreTest, MarkedSubFolderIsReportedAndKeepsTheStructure)
{
    // A dot folder is the Linux form of a folder with an extra attribute: it is
    // deleted as a file, which fails, and the folders above it stay.
    makeFolder(QStringLiteral("Alpha/Design/.cache"));
    data.write(QStringLiteral("Projects Group/Alpha/Design/.cache/kept"), "x");
    data.write(QStringLiteral("Projects Group/Alpha/a.txt"), "x");
    const DeleteReport report = store.DeleteStructure(QStringLiteral("Projects Group\\Alpha\\"));
    EXPECT_EQ(report.failures, QStringList{u"Could NOT delete " + group(QStringLiteral("Alpha/Design/.cache"))});
    EXPECT_TRUE(existsInGroup(QStringLiteral("Alpha/Design/.cache/kept")));
    EXPECT_FALSE(existsInGroup(QStringLiteral("Alpha/a.txt")));
}

TEST_F(ProjectStoreTest, LinksInsideAreRemovedAsLinksAndTheirTargetsSurvive)
{
    TempFolder outside;
    outside.write(QStringLiteral("keep/precious.txt"), "precious");
    outside.write(QStringLiteral("single.txt"), "single");
    makeFolder(QStringLiteral("Alpha/Design"));
    ASSERT_TRUE(QFile::link(outside.file(QStringLiteral("keep")), group(QStringLiteral("Alpha/to-folder"))));
    ASSERT_TRUE(QFile::link(outside.file(QStringLiteral("single.txt")), group(QStringLiteral("Alpha/Design/to-file"))));
    ASSERT_TRUE(QFile::link(outside.file(QStringLiteral("gone")), group(QStringLiteral("Alpha/dangling"))));

    const DeleteReport report = store.DeleteStructure(QStringLiteral("Projects Group\\Alpha\\"));
    EXPECT_TRUE(report.failures.isEmpty());
    EXPECT_FALSE(QFileInfo(group(QStringLiteral("Alpha"))).exists());
    EXPECT_EQ(outside.read(QStringLiteral("keep/precious.txt")), "precious");
    EXPECT_EQ(outside.read(QStringLiteral("single.txt")), "single");
}

TEST_F(ProjectStoreTest, AStructureThatIsItselfALinkIsNotFollowed)
{
    TempFolder outside;
    outside.write(QStringLiteral("precious.txt"), "precious");
    makeFolder(QString());
    ASSERT_TRUE(QFile::link(outside.path().chopped(1), group(QStringLiteral("Linked"))));
    const DeleteReport report = store.DeleteStructure(QStringLiteral("Projects Group\\Linked\\"));
    EXPECT_EQ(report.refusal, u"Sorry, can not remove folder: " + group(QStringLiteral("Linked/")));
    EXPECT_EQ(outside.read(QStringLiteral("precious.txt")), "precious");
}

TEST_F(ProjectStoreTest, PathsThatLeaveTheStoreOrNameTheRootAreRefused)
{
    makeFolder(QStringLiteral("Alpha"));
    data.write(QStringLiteral("PM.INI"), "[Application]\r\n");
    for (const QString &path : {QStringLiteral("Projects Group\\"), QStringLiteral("Projects Group\\..\\"),
                                QStringLiteral("Projects Group\\Alpha\\..\\..\\"), QStringLiteral("Other\\")}) {
        const DeleteReport report = store.DeleteStructure(path);
        EXPECT_TRUE(report.refusal.startsWith(u"Sorry, can not remove folder: ")) << path.toStdString();
    }
    EXPECT_TRUE(existsInGroup(QStringLiteral("Alpha")));
    EXPECT_TRUE(QFileInfo::exists(data.file(QStringLiteral("PM.INI"))));
}

TEST_F(ProjectStoreTest, DeletingAStructureAlreadyGoneIsSilent)
{
    makeFolder(QString());
    const DeleteReport report = store.DeleteStructure(QStringLiteral("Projects Group\\Gone\\"));
    EXPECT_TRUE(report.failures.isEmpty());
    EXPECT_TRUE(report.refusal.isEmpty());
}

} // namespace

TEST_F(ProjectStoreTest, MountedFileSystemInsideIsNeverEntered)
{
    data.write(QStringLiteral("Projects Group/Alpha/usb/photo.jpg"), "on the stick");
    files.mountPoints << group(QStringLiteral("Alpha/usb"));
    const DeleteReport report = store.DeleteStructure(QStringLiteral("Projects Group\\Alpha\\"));
    EXPECT_EQ(report.failures, QStringList{u"Could NOT delete " + group(QStringLiteral("Alpha/usb"))});
    EXPECT_EQ(data.read(QStringLiteral("Projects Group/Alpha/usb/photo.jpg")), "on the stick");
}

// A folder named in another code page must not pass for a namesake: deleting
// the folder "\uFFFD\uFFFD" leaves the cp1251-named one alone.
TEST_F(ProjectStoreTest, FolderNamedInAnotherCodePageIsNeverMistakenForANamesake)
{
    const QString lookalike = QString(2, QChar(0xFFFD));
    data.write(u"Projects Group/" + lookalike + u"/a.txt", "a");
    const QByteArray foreign = QFile::encodeName(group()) + "\xcf\xf0";
    ASSERT_EQ(::mkdir(foreign.constData(), 0700), 0);
    ASSERT_EQ(::close(::open(QByteArray(foreign + "/precious").constData(), O_CREAT | O_WRONLY, 0600)), 0);

    store.DeleteStructure(u"Projects Group\\" + lookalike + u"\\");
    EXPECT_FALSE(existsInGroup(lookalike));
    EXPECT_EQ(::access(QByteArray(foreign + "/precious").constData(), F_OK), 0);
}
