// The freedesktop.org trash: what a file manager finds there, and that a move
// which cannot be made changes nothing.
#include "platform/linux/LinuxTrash.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace veltrano;
using veltrano::test::TempFolder;

namespace {

class LinuxTrashTest : public ::testing::Test {
protected:
    TempFolder home; // stands for $XDG_DATA_HOME, on the data's file system
    TempFolder data;
    LinuxTrash trash{home.path() + QStringLiteral("share")};

    QString trashed(const QString &relative) const { return home.file(u"share/Trash/" + relative); }
};

} // namespace

TEST_F(LinuxTrashTest, AFolderGoesWholeIntoTheUsersTrashWithWhereItCameFrom)
{
    TempFolder outside;
    outside.write(QStringLiteral("precious.txt"), "precious");
    data.write(QStringLiteral("Projects Group/Alpha/note.rtf"), "{\\rtf1 note}");
    data.write(QStringLiteral("Projects Group/Alpha/Design/.cache/x"), "x");
    ASSERT_TRUE(QFile::link(outside.file(QStringLiteral("precious.txt")),
                            data.file(QStringLiteral("Projects Group/Alpha/link"))));
    const QString alpha = data.file(QStringLiteral("Projects Group/Alpha"));

    const IoStatus moved = trash.moveToTrash(alpha);
    ASSERT_TRUE(moved) << moved.reason.toStdString();
    EXPECT_FALSE(QFileInfo::exists(alpha));
    EXPECT_EQ(home.read(QStringLiteral("share/Trash/files/Alpha/note.rtf")), "{\\rtf1 note}");
    EXPECT_TRUE(QFileInfo::exists(trashed(QStringLiteral("files/Alpha/Design/.cache/x"))));
    EXPECT_TRUE(QFileInfo(trashed(QStringLiteral("files/Alpha/link"))).isSymLink());
    EXPECT_EQ(outside.read(QStringLiteral("precious.txt")), "precious");

    const QString info = QString::fromUtf8(home.read(QStringLiteral("share/Trash/info/Alpha.trashinfo")));
    const QRegularExpression expected(u"^\\[Trash Info\\]\nPath="
                                      + QRegularExpression::escape(QString::fromLatin1(
                                          QFile::encodeName(alpha).toPercentEncoding("/")))
                                      + u"\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n$");
    EXPECT_TRUE(expected.match(info).hasMatch()) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("/Projects%20Group/Alpha\n")));

    // A namesake deleted later does not take the first one's place.
    data.write(QStringLiteral("Projects Group/Alpha/other"), "second");
    ASSERT_TRUE(trash.moveToTrash(alpha));
    EXPECT_EQ(home.read(QStringLiteral("share/Trash/files/Alpha.2/other")), "second");
    EXPECT_TRUE(QFileInfo::exists(trashed(QStringLiteral("info/Alpha.2.trashinfo"))));
    EXPECT_EQ(home.read(QStringLiteral("share/Trash/files/Alpha/note.rtf")), "{\\rtf1 note}");
}

// Nothing moves, no info file is left behind, and the reason is the system's.
TEST_F(LinuxTrashTest, AMoveThatCannotBeMadeChangesNothing)
{
    const IoStatus missing = trash.moveToTrash(data.file(QStringLiteral("Gone")));
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.reason, qt_error_string(ENOENT));

    // A folder cannot go into a trash inside itself.
    home.write(QStringLiteral("share/kept"), "kept");
    const IoStatus intoItself = trash.moveToTrash(home.file(QStringLiteral("share")));
    EXPECT_FALSE(intoItself);
    EXPECT_EQ(intoItself.reason, qt_error_string(EINVAL));
    EXPECT_EQ(home.read(QStringLiteral("share/kept")), "kept");
    EXPECT_TRUE(QDir(trashed(QStringLiteral("info"))).isEmpty());
    EXPECT_TRUE(QDir(trashed(QStringLiteral("files"))).isEmpty());
}

TEST(TrashInfo, PathIsPercentEncodedBytesAndTheDateLocalTime)
{
    const QByteArray path = QStringLiteral("/home/u/Projects Group/Проект 100%").toUtf8();
    EXPECT_EQ(TrashInfoText(path, QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7))),
              "[Trash Info]\nPath=/home/u/Projects%20Group/%D0%9F%D1%80%D0%BE%D0%B5%D0%BA%D1%82%20100%25\n"
              "DeletionDate=2026-12-08T09:05:07\n");
}

// The info file's name must be a valid name too: a long name is cut, between
// whole characters, and the info file keeps the full original path.
TEST(TrashEntryName, LongNamesAreCutBetweenCharactersToLeaveRoomForTheInfoSuffix)
{
    EXPECT_EQ(TrashEntryName("Alpha", 1), "Alpha");
    EXPECT_EQ(TrashEntryName("Alpha", 3), "Alpha.3");
    const QByteArray cyrillic = QString(127, QChar(0x0416)).toUtf8(); // 254 bytes
    for (const int attempt : {1, 2, 12}) {
        const QByteArray name = TrashEntryName(cyrillic, attempt);
        EXPECT_LE(name.size() + qsizetype(sizeof(".trashinfo") - 1), 255) << attempt;
        const QByteArray cut = attempt == 1 ? name : name.left(name.lastIndexOf('.'));
        EXPECT_EQ(QString::fromUtf8(cut).toUtf8(), cut) << attempt;
        EXPECT_TRUE(cyrillic.startsWith(cut));
        EXPECT_EQ(cut.size() % 2, 0);
    }
}

// A trash at the top of another file system: the administrator's shared one
// only when it is a real folder with the sticky bit, otherwise our own.
TEST(TopDirectoryTrash, SharedTrashOnlyWithTheStickyBitOtherwiseOneOfOurOwn)
{
    const QString uid = QString::number(::getuid());
    TempFolder top;
    const QString own = TopDirectoryTrash(top.path());
    EXPECT_EQ(own, top.file(u".Trash-" + uid));
    EXPECT_TRUE(QFileInfo(own + QStringLiteral("/files")).isDir());
    EXPECT_TRUE(QFileInfo(own + QStringLiteral("/info")).isDir());
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(own).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    TempFolder shared;
    ASSERT_EQ(::mkdir(QFile::encodeName(shared.file(QStringLiteral(".Trash"))).constData(), 01777), 0);
    ::chmod(QFile::encodeName(shared.file(QStringLiteral(".Trash"))).constData(), 01777);
    EXPECT_EQ(TopDirectoryTrash(shared.path()), shared.file(u".Trash/" + uid));

    TempFolder notSticky;
    QDir().mkpath(notSticky.file(QStringLiteral(".Trash")));
    EXPECT_EQ(TopDirectoryTrash(notSticky.path()), notSticky.file(u".Trash-" + uid));

    // A link planted where our trash belongs is never followed.
    TempFolder planted;
    TempFolder elsewhere;
    ASSERT_TRUE(QFile::link(elsewhere.path(), planted.file(u".Trash-" + uid)));
    QString reason;
    EXPECT_TRUE(TopDirectoryTrash(planted.path(), &reason).isEmpty());
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}
