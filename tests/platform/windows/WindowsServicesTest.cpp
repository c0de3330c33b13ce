// The Windows services the program calls: data locations, regional formats,
// the tools' launch table, the autorun key, MCI sound and the Recycle Bin.
#include "platform/windows/WindowsDesktop.h"
#include "platform/windows/WindowsMci.h"
#include "platform/windows/WindowsShell.h"
#include "platform/windows/WindowsTrash.h"
#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <windows.h>

using namespace veltrano;
using test::TempFolder;

namespace {

QString runKey()
{
    wchar_t value[4096] = {};
    GetProfileStringW(L"windows", L"run", L"", value, 4096);
    return QString::fromWCharArray(value);
}

void setRunKey(const QString &value)
{
    WriteProfileStringW(L"windows", L"run", reinterpret_cast<const wchar_t *>(value.utf16()));
}

} // namespace

TEST(WindowsDataLocations, WritableFolderPerUserFolderAndTheInstallersMark)
{
    TempFolder dir;
    const WindowsDataLocations locations;
    EXPECT_TRUE(locations.isFolderWritable(dir.path()));
    EXPECT_FALSE(locations.isFolderWritable(dir.file(QStringLiteral("missing/"))));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_TRUE(locations.perUserDataFolder().endsWith(QStringLiteral("/Veltrano/")));
    const QString program = dir.file(QStringLiteral("veltrano.exe"));
    EXPECT_FALSE(locations.isPackaged(program));
    dir.write(QString::fromUtf16(kUninstallerName), "MZ");
    EXPECT_TRUE(locations.isPackaged(program));
}

TEST(WindowsRegionalFormats, LongTimeHasSecondsAndShortDateTheDay)
{
    const WindowsRegionalFormats formats;
    EXPECT_TRUE(formats.longTime(QTime(7, 8, 9)).contains(QStringLiteral("09")));
    EXPECT_TRUE(formats.longTime(QTime(7, 8, 9)).contains(QStringLiteral("08")));
    const QString date = formats.shortDate(QDate(2031, 12, 24));
    EXPECT_TRUE(date.contains(QStringLiteral("24"))) << date.toStdString();
    EXPECT_TRUE(date.contains(QStringLiteral("31"))) << date.toStdString();
}

TEST(WindowsShell, ToolsStartTheWayTheirCommandsAreWritten)
{
    const QList<ToolLaunch> panel = WindowsToolLaunches(DesktopTool::ControlPanel);
    ASSERT_FALSE(panel.isEmpty());
    EXPECT_EQ(panel[0].parameters, u"shell32.dll, Control_RunDLL"); // the space after the comma
    for (const DesktopTool applet : {DesktopTool::DateTimeSettings, DesktopTool::SafeRemoval}) {
        const ToolLaunch launch = WindowsToolLaunches(applet).value(0);
        EXPECT_TRUE(launch.inSystemFolder);
        EXPECT_TRUE(launch.hidden);
    }
    for (const DesktopTool program : {DesktopTool::TextEditor, DesktopTool::WordProcessor, DesktopTool::Calculator,
                                      DesktopTool::Paint, DesktopTool::Terminal}) {
        const ToolLaunch launch = WindowsToolLaunches(program).value(0);
        EXPECT_FALSE(launch.file.isEmpty());
        EXPECT_FALSE(launch.inSystemFolder);
        EXPECT_FALSE(launch.hidden);
    }
    EXPECT_EQ(WindowsToolLaunches(DesktopTool::Backup).value(0).file, u"ntbackup.exe");
}

TEST(WindowsShell, NothingToOpenIsAFailure)
{
    WindowsShell shell;
    EXPECT_FALSE(shell.open(QString()));
    EXPECT_FALSE(shell.open(QStringLiteral("C:\\no\\such\\file-at-all.txt")));
    EXPECT_FALSE(shell.open(QStringLiteral("no-such-program-anywhere-42")));
}

TEST(WindowsShell, AutorunEntryComesAndGoesLeavingOtherPrograms)
{
    const QString before = runKey();
    setRunKey(QStringLiteral("C:\\OTHER\\A.EXE"));
    WindowsShell shell;
    ASSERT_TRUE(shell.setAutostart(true));
    const QString added = runKey();
    EXPECT_TRUE(added.startsWith(QStringLiteral("C:\\OTHER\\A.EXE "))) << added.toStdString();
    EXPECT_EQ(added.split(u' ').size(), 2);
    ASSERT_TRUE(shell.setAutostart(true)); // once is enough
    EXPECT_EQ(runKey(), added);
    ASSERT_TRUE(shell.setAutostart(false));
    EXPECT_EQ(runKey(), QStringLiteral("C:\\OTHER\\A.EXE"));
    setRunKey(before);
}

TEST(WindowsSound, EachPlayIsAnsweredOnceFromTheEventLoop)
{
    EXPECT_EQ(MciDeviceTypeFor(QStringLiteral("a.WAV")), u"waveaudio");
    EXPECT_EQ(MciDeviceTypeFor(QStringLiteral("a.mid")), u"sequencer");
    EXPECT_EQ(MciDeviceTypeFor(QStringLiteral("a.mp3")), u"mpegvideo");
    WindowsSound sound;
    QStringList answers;
    QObject::connect(&sound, &Sound::playing, [&](const QString &path) { answers << u"playing " + path; });
    QObject::connect(&sound, &Sound::failed, [&](const QString &path) { answers << u"failed " + path; });
    sound.play(QStringLiteral("C:\\no\\such\\sound.wav"));
    sound.play(QStringLiteral("C:\\a \"quoted\" name.wav"));
    EXPECT_TRUE(answers.isEmpty());
    const QDeadlineTimer deadline(3000);
    while (answers.size() < 2 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(answers, (QStringList{QStringLiteral("failed C:\\no\\such\\sound.wav"),
                                    QStringLiteral("failed C:\\a \"quoted\" name.wav")}));
    // A real file: played where there is a sound device, refused where there
    // is none (Wine on a machine without audio), but answered either way.
    answers.clear();
    sound.play(QStringLiteral(VELTRANO_TEST_SOUNDS "beep.wav"));
    const QDeadlineTimer again(5000);
    while (answers.isEmpty() && !again.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(answers.size(), 1);
}

TEST(WindowsTrash, AFolderGoesToTheRecycleBinWholeAndAMissingOneIsRefused)
{
    TempFolder dir;
    dir.write(QStringLiteral("Projects Group/Old/note.rtf"), "{\\rtf1 }");
    WindowsTrash trash;
    const IoStatus moved = trash.moveToTrash(dir.file(QStringLiteral("Projects Group/Old")));
    EXPECT_TRUE(moved.ok) << moved.reason.toStdString();
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("Projects Group/Old"))));
    const IoStatus missing = trash.moveToTrash(dir.file(QStringLiteral("Projects Group/Gone")));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.reason.isEmpty());
}
