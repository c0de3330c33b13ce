#include "projects/logic/ProjectStore.h"

#include "platform/fake/FakePlatform.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace veltrano;
using test::TempFolder;

namespace {

class ProjectStoreTest : public ::testing::Test {
protected:
    TempFolder data;
    FakeFileSystem files;
    FakeTrash trash;
    ProjectStore store{files, trash, data.path()};

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
    for (const QString &name : {QStringLiteral(" "), QStringLiteral(" padded "), QStringLiteral("v1.2."),
                                QStringLiteral("Проект №1"), QStringLiteral("[draft] #2 &amp; co")})
        EXPECT_EQ(CheckStructureName(name), NameCheck::Ok) << name.toStdString();
}

// A dot name would be a hidden folder the tree never shows, and a line
// break or another control character cuts a label short.
TEST(CheckStructureNameTest, DotNamesAndControlCharactersAreIncorrectNames)
{
    for (const QString &name :
         {QStringLiteral("."), QStringLiteral(".."), QStringLiteral(".Alpha"), QStringLiteral("Alpha\nBeta"),
          QStringLiteral("Alpha\r"), QStringLiteral("\tAlpha"), QString::fromUtf16(u"Alpha\u0085"), QString::fromUtf16(u"A\u2028B"),
          QString::fromUtf16(u"A\u2029B"), QString::fromUtf16(u"A\u007fB"), QString(QString(QChar(0)) + u"A")})
        EXPECT_EQ(CheckStructureName(name), NameCheck::Unusable) << name.toStdString();
    EXPECT_EQ(NameCheckMessage(NameCheck::Unusable), u"Incorrect name, input another...");
    // A forbidden character still decides first, as the only thing said.
    EXPECT_EQ(CheckStructureName(QStringLiteral(".a|b")), NameCheck::ForbiddenCharacter);
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

// POSIX tells which refusal it was; Windows words its own, which is then
// taken as it stands.
QString reasonFor(int posixError, const QString &message)
{
#ifdef Q_OS_WIN
    Q_UNUSED(posixError);
    return message.mid(message.lastIndexOf(u"\". ") + 3);
#else
    Q_UNUSED(message);
    return qt_error_string(posixError);
#endif
}

// What the file system refuses is said, with its reason, instead of leaving
// the user to find the node missing.
TEST_F(ProjectStoreTest, CreateAndRenameRefusedByTheFileSystemSayWhy)
{
    makeFolder(QStringLiteral("Alpha"));
    const QString tooLong(256, u'n');
    const StructureChange created = store.CreateProject(tooLong);
    const QString tooLongEnd = QString(40, u'n') + u"\". " + reasonFor(ENAMETOOLONG, created.message);
    EXPECT_EQ(created.result, StructureChange::Result::Failed);
    // The refused name is quoted by its start and end, so the box stays readable.
    EXPECT_TRUE(created.message.startsWith(u"Cannot create folder \"" + QDir::toNativeSeparators(data.path()).left(20))) << created.message.toStdString();
    EXPECT_TRUE(created.message.endsWith(u"\u2026" + tooLongEnd)) << created.message.toStdString();
    const StructureChange renamed = store.RenameStructure(QStringLiteral("Projects Group\\"), QStringLiteral("Alpha"), tooLong);
    EXPECT_EQ(renamed.result, StructureChange::Result::Failed);
    EXPECT_EQ(renamed.message, u"Cannot rename folder \"" + QDir::toNativeSeparators(group(QStringLiteral("Alpha")))
                                   + u"\" to \"" + QString(40, u'n') + u"\u2026" + QString(40, u'n') + u"\". "
                                   + reasonFor(ENAMETOOLONG, renamed.message));
    EXPECT_TRUE(existsInGroup(QStringLiteral("Alpha")));

    data.write(QStringLiteral("Projects Group/Beta"), "a file where a folder was");
    const StructureChange sub = store.CreateStructure(QStringLiteral("Projects Group\\Beta\\"), QStringLiteral("Design"));
    EXPECT_EQ(sub.result, StructureChange::Result::Failed);
    EXPECT_EQ(sub.message, u"Cannot create folder \"" + QDir::toNativeSeparators(group(QStringLiteral("Beta/Design")))
                               + u"\". " + reasonFor(ENOTDIR, sub.message));
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

// The whole structure goes to the trash in one move, links as links: a
// deleted project can be brought back from there.
TEST_F(ProjectStoreTest, DeleteMovesTheWholeStructureToTheTrashInOneStep)
{
    TempFolder outside;
    outside.write(QStringLiteral("keep/precious.txt"), "precious");
    makeFolder(QStringLiteral("Alpha/Design/.cache"));
    makeFolder(QStringLiteral("Beta"));
    data.write(QStringLiteral("Projects Group/Alpha/note.rtf"), "{\\rtf1 note}");
    data.write(QStringLiteral("Projects Group/Alpha/Design/locked.txt"), "x");
    QFile::setPermissions(group(QStringLiteral("Alpha/Design/locked.txt")), QFileDevice::ReadOwner);
    ASSERT_TRUE(QFile::link(outside.file(QStringLiteral("keep")), group(QStringLiteral("Alpha/to-folder"))));

    const DeleteReport report = store.DeleteStructure(QStringLiteral("Projects Group\\Alpha\\"));
    EXPECT_TRUE(report.done()) << report.refusal.toStdString();
    EXPECT_EQ(trash.trashed, QStringList{group(QStringLiteral("Alpha"))});
    EXPECT_FALSE(existsInGroup(QStringLiteral("Alpha")));
    EXPECT_TRUE(existsInGroup(QStringLiteral("Beta")));
    const QString inTrash = trash.bin() + QStringLiteral("/0-Alpha");
    EXPECT_TRUE(QFileInfo::exists(inTrash + QStringLiteral("/Design/.cache")));
    EXPECT_TRUE(QFileInfo::exists(inTrash + QStringLiteral("/Design/locked.txt")));
#ifndef Q_OS_WIN // a link there is a shortcut file, nothing to follow
    EXPECT_TRUE(QFileInfo(inTrash + QStringLiteral("/to-folder")).isSymLink());
#endif
    EXPECT_EQ(outside.read(QStringLiteral("keep/precious.txt")), "precious");
}

// One message with the reason, and everything where it was.
TEST_F(ProjectStoreTest, DeleteTheTrashRefusesLeavesEverythingInPlace)
{
    makeFolder(QStringLiteral("Alpha/Design"));
    data.write(QStringLiteral("Projects Group/Alpha/note.rtf"), "{\\rtf1 note}");
    trash.refusal = QStringLiteral("Permission denied");
    const DeleteReport report = store.DeleteStructure(QStringLiteral("Projects Group\\Alpha\\"));
    EXPECT_EQ(report.refusal, u"Sorry, can not remove folder: " + group(QStringLiteral("Alpha/")) + u"\nPermission denied");
    EXPECT_EQ(data.read(QStringLiteral("Projects Group/Alpha/note.rtf")), "{\\rtf1 note}");
    EXPECT_TRUE(existsInGroup(QStringLiteral("Alpha/Design")));
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
    EXPECT_TRUE(trash.trashed.isEmpty());
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
    EXPECT_TRUE(trash.trashed.isEmpty());
}

TEST_F(ProjectStoreTest, DeletingAStructureAlreadyGoneIsSilent)
{
    makeFolder(QString());
    const DeleteReport report = store.DeleteStructure(QStringLiteral("Projects Group\\Gone\\"));
    EXPECT_TRUE(report.done());
    EXPECT_TRUE(trash.trashed.isEmpty());
}

} // namespace

// Emptying the trash would erase a USB stick mounted inside: such a
// structure is not moved at all.
TEST_F(ProjectStoreTest, MountedFileSystemInsideKeepsTheStructureWhereItIs)
{
    data.write(QStringLiteral("Projects Group/Alpha/Design/usb/photo.jpg"), "on the stick");
    files.mountPoints << group(QStringLiteral("Alpha/Design/usb"));
    const DeleteReport report = store.DeleteStructure(QStringLiteral("Projects Group\\Alpha\\"));
    EXPECT_EQ(report.refusal, u"Sorry, can not remove folder: " + group(QStringLiteral("Alpha/"))
                                  + u"\nAnother file system is mounted inside it: " + group(QStringLiteral("Alpha/Design/usb")));
    EXPECT_EQ(data.read(QStringLiteral("Projects Group/Alpha/Design/usb/photo.jpg")), "on the stick");
    EXPECT_TRUE(trash.trashed.isEmpty());
}

#ifndef _WIN32
// Names on Windows are UTF-16 whatever the code page: no byte name exists
// there to be taken for another.

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
#endif
