#include "platform/linux/LinuxAutostart.h"
#include "platform/linux/LinuxShell.h"

#include "support/TempFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

void makeProgram(const TempFolder &dir, const QString &relative, const QByteArray &script = "#!/bin/sh\n")
{
    dir.write(relative, script);
    QFile::setPermissions(dir.file(relative), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A program that adds a line with its own path to the file "marks" at each run.
void makeMarkingProgram(const TempFolder &dir, const QString &relative)
{
    makeProgram(dir, relative, "#!/bin/sh\necho \"$0\" >> '" + QFile::encodeName(dir.file(QStringLiteral("marks"))) + "'\n");
}

int marks(const TempFolder &dir)
{
    return int(dir.read(QStringLiteral("marks")).count('\n'));
}

// Sets an environment variable for one test.
class Variable {
public:
    Variable(const char *name, const QByteArray &value) : m_name(name), m_saved(qgetenv(name)) { qputenv(name, value); }
    ~Variable() { qputenv(m_name, m_saved); }

private:
    const char *m_name;
    QByteArray m_saved;
};

class PathVariable : public Variable {
public:
    explicit PathVariable(const QByteArray &value) : Variable("PATH", value) {}
};

} // namespace

// The console upper-cases what it starts, so the name is matched ignoring case.
TEST(FindProgramOnPath, NameMatchesIgnoringCase)
{
    TempFolder dir;
    makeProgram(dir, QStringLiteral("bin/Gedit"));
    const QString path = dir.file(QStringLiteral("bin"));
    EXPECT_EQ(FindProgramOnPath(QStringLiteral("GEDIT"), path), dir.file(QStringLiteral("bin/Gedit")));
    EXPECT_EQ(FindProgramOnPath(QStringLiteral("gedit"), path), dir.file(QStringLiteral("bin/Gedit")));
}

TEST(FindProgramOnPath, ExactNameLaterOnPathWinsOverACaseVariant)
{
    TempFolder dir;
    makeProgram(dir, QStringLiteral("a/Calc"));
    makeProgram(dir, QStringLiteral("b/calc"));
    const QString path = dir.file(QStringLiteral("a")) + u':' + dir.file(QStringLiteral("b"));
    EXPECT_EQ(FindProgramOnPath(QStringLiteral("calc"), path), dir.file(QStringLiteral("b/calc")));
    EXPECT_EQ(FindProgramOnPath(QStringLiteral("CALC"), path), dir.file(QStringLiteral("a/Calc")));
}

TEST(FindProgramOnPath, PlainFilesFoldersAndPathsAreNotPrograms)
{
    TempFolder dir;
    dir.write(QStringLiteral("bin/notes"), "text");
    dir.write(QStringLiteral("bin/tools/x"), "text");
    makeProgram(dir, QStringLiteral("bin/run"));
    const QString path = dir.file(QStringLiteral("bin"));
    EXPECT_EQ(FindProgramOnPath(QStringLiteral("notes"), path), QString());
    EXPECT_EQ(FindProgramOnPath(QStringLiteral("tools"), path), QString());
    EXPECT_EQ(FindProgramOnPath(QStringLiteral("bin/run"), dir.path()), QString());
    EXPECT_EQ(FindProgramOnPath(QString(), path), QString());
}

TEST(LinuxShell, BareNameStartsTheProgramDetached)
{
    TempFolder dir;
    makeMarkingProgram(dir, QStringLiteral("bin/MyTool"));
    PathVariable path(QFile::encodeName(dir.file(QStringLiteral("bin"))));
    LinuxShell shell;
    EXPECT_TRUE(shell.open(QStringLiteral("MYTOOL")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return marks(dir) == 1; }, 5000));
}

// Nothing in the name may reach a shell: "x; touch y" is a name nobody has.
TEST(LinuxShell, NameIsNeverReadByAShell)
{
    TempFolder dir;
    makeProgram(dir, QStringLiteral("bin/mytool"));
    PathVariable path(QFile::encodeName(dir.file(QStringLiteral("bin"))));
    LinuxShell shell;
    const QString sneaky = QStringLiteral("mytool; touch ") + dir.file(QStringLiteral("pwned"));
    EXPECT_FALSE(shell.open(sneaky));
    QTest::qWait(200);
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("pwned"))));
}

TEST(LinuxShell, NothingToOpenIsAFailure)
{
    PathVariable path("/nonexistent-folder");
    LinuxShell shell;
    EXPECT_FALSE(shell.open(QString()));
    EXPECT_FALSE(shell.open(QStringLiteral("   ")));
    EXPECT_FALSE(shell.open(QStringLiteral("no-such-program-anywhere")));
    EXPECT_FALSE(shell.open(QStringLiteral("/no/such/file.htm")));
}

namespace {

// A stand-in for the desktop's opener in folder `bin`: writes its arguments
// to <name>.log, then ends as told. Only shell built-ins: PATH is `bin` alone.
void makeOpener(const TempFolder &dir, const QString &bin, const QString &name, const QByteArray &ending)
{
    const QByteArray log = QFile::encodeName(dir.file(name + QStringLiteral(".log")));
    makeProgram(dir, bin + u'/' + name, "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + log + "'\n" + ending + "\n");
}

bool logged(const TempFolder &dir, const char *name)
{
    return QTest::qWaitFor([&] { return !dir.read(QLatin1String(name)).isEmpty(); }, 5000);
}


// A shell whose default handler only records what it was given.
struct RecordingShell {
    QList<QUrl> handed;
    LinuxShell shell{[this](const QUrl &url) {
        handed << url;
        return true;
    }};
};

} // namespace

// Paths tell upper from lower case here: the file named is the file opened.
TEST(FindTypedPath, OnlyThePathAsWrittenIsFound)
{
    TempFolder dir;
    dir.write(QStringLiteral("Notes/My \"Odd\" File.txt"), "x");
    dir.write(QStringLiteral("Notes/my \"odd\" file.txt"), "y");
    const QString expected = dir.file(QStringLiteral("Notes/My \"Odd\" File.txt"));
    EXPECT_EQ(FindTypedPath(QStringLiteral("Notes/My \"Odd\" File.txt"), dir.path()), expected);
    EXPECT_EQ(FindTypedPath(expected, QStringLiteral("/elsewhere")), expected);
    EXPECT_EQ(FindTypedPath(QStringLiteral("Notes/../Notes/my \"odd\" file.txt"), dir.path()),
              dir.file(QStringLiteral("Notes/my \"odd\" file.txt")));
    EXPECT_EQ(FindTypedPath(QStringLiteral("NOTES/MY \"ODD\" FILE.TXT"), dir.path()), QString());
    EXPECT_EQ(FindTypedPath(QStringLiteral("Notes/other.txt"), dir.path()), QString());
    EXPECT_EQ(FindTypedPath(QStringLiteral("  "), dir.path()), QString());
}

TEST(LinuxShell, FileNameWithBlanksQuotesAndCapitalsOpensAsTyped)
{
    TempFolder dir;
    dir.write(QStringLiteral("a \"B\" 'c' ; D.txt"), "x");
    dir.write(QStringLiteral("A \"B\" 'C' ; D.TXT"), "y");
    RecordingShell recording;
    const QString typed = dir.file(QStringLiteral("a \"B\" 'c' ; D.txt"));
    EXPECT_TRUE(recording.shell.open(typed));
    ASSERT_EQ(recording.handed.size(), 1);
    EXPECT_EQ(recording.handed[0], QUrl::fromLocalFile(typed));
}

// Shell syntax in a console text is part of a name nobody has: nothing runs,
// nothing is handed on.
TEST(LinuxShell, ShellSyntaxStartsNothing)
{
    TempFolder dir;
    makeMarkingProgram(dir, QStringLiteral("bin/touchme"));
    makeMarkingProgram(dir, QStringLiteral("bin/TOUCHME"));
    PathVariable path(QFile::encodeName(dir.file(QStringLiteral("bin"))));
    RecordingShell recording;
    for (const char *text : {"; touchme", "$(touchme)", "`touchme`", "touchme; touchme", "touchme && touchme",
                             "TOUCHME | TOUCHME", "\"touchme\"", "; RM -RF ~", "$(TOUCH /TMP/X)"}) {
        EXPECT_FALSE(recording.shell.open(QString::fromUtf8(text))) << text;
    }
    QTest::qWait(300);
    EXPECT_EQ(marks(dir), 0);
    EXPECT_TRUE(recording.handed.isEmpty());
}

TEST(LinuxShell, UrlsGoToTheDefaultHandler)
{
    RecordingShell recording;
    EXPECT_TRUE(recording.shell.open(QStringLiteral("HTTPS://EXAMPLE.ORG/")));
    ASSERT_EQ(recording.handed.size(), 1);
    EXPECT_EQ(recording.handed[0].scheme(), QStringLiteral("https"));
    EXPECT_EQ(recording.handed[0].host(), QStringLiteral("example.org"));
}

// Desktop tools and the Windows names typed into the console start the first
// program found, here scripts that leave a mark.
TEST(LinuxShell, ToolsAndWindowsToolNamesStartTheDesktopsProgram)
{
    TempFolder dir;
    makeMarkingProgram(dir, QStringLiteral("bin/x-terminal-emulator"));
    makeMarkingProgram(dir, QStringLiteral("bin/deja-dup"));
    PathVariable path(QFile::encodeName(dir.file(QStringLiteral("bin"))));
    LinuxShell shell;
    EXPECT_TRUE(shell.startTool(DesktopTool::Terminal));
    EXPECT_TRUE(shell.open(QStringLiteral("NTBACKUP.EXE")));
    EXPECT_FALSE(shell.startTool(DesktopTool::Calculator));
    EXPECT_TRUE(QTest::qWaitFor([&] { return marks(dir) == 2; }, 5000));
    EXPECT_TRUE(dir.read(QStringLiteral("marks")).contains("x-terminal-emulator"));
    EXPECT_TRUE(dir.read(QStringLiteral("marks")).contains("deja-dup"));
}

TEST(LinuxShell, AutostartEntryGoesInTheUsersConfigFolder)
{
    TempFolder dir;
    Variable config("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    LinuxShell shell;
    ASSERT_TRUE(shell.setAutostart(true));
    EXPECT_TRUE(dir.read(QStringLiteral("autostart/veltrano.desktop")).contains("Exec="));
    ASSERT_TRUE(shell.setAutostart(false));
    EXPECT_FALSE(QFileInfo::exists(AutostartEntryPath(dir.path())));
}

// xdg-open ends with its verdict (3: no program for it, 4: it failed); that
// is what tells a desktop without a browser from one that opened the page.
TEST(LinuxShell, OpenerThatGivesUpIsReportedAndOneThatOpensIsNot)
{
    TempFolder dir;
    LinuxShell shell;
    int failures = 0;
    makeOpener(dir, QStringLiteral("opens"), QStringLiteral("xdg-open"), "exit 0");
    {
        PathVariable path(QFile::encodeName(dir.file(QStringLiteral("opens"))));
        shell.openWatched(QStringLiteral("https://www.example.org/a page"), [&failures] { ++failures; });
    }
    ASSERT_TRUE(logged(dir, "xdg-open.log"));
    // One argument, the address as the opener expects it.
    EXPECT_EQ(dir.read(QStringLiteral("xdg-open.log")), "1|https://www.example.org/a%20page");

    dir.write(QStringLiteral("page.htm"), "<html></html>");
    makeOpener(dir, QStringLiteral("fails"), QStringLiteral("xdg-open"), "exit 3");
    {
        PathVariable path(QFile::encodeName(dir.file(QStringLiteral("fails"))));
        shell.openWatched(dir.file(QStringLiteral("page.htm")), [&failures] { failures += 10; });
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return failures >= 10; }, 5000));
    EXPECT_EQ(failures, 10); // the first opener's success said nothing
    EXPECT_EQ(dir.read(QStringLiteral("xdg-open.log")), "1|" + QFile::encodeName(dir.file(QStringLiteral("page.htm"))));
}

// A browser run in the foreground by the opener lives on after we end.
TEST(LinuxShell, OpenerStillRunningOutlivesUs)
{
    TempFolder dir;
    PathVariable path(QFile::encodeName(dir.file(QStringLiteral("bin"))));
    const QByteArray mark = QFile::encodeName(dir.file(QStringLiteral("browser-closed")));
    makeOpener(dir, QStringLiteral("bin"), QStringLiteral("xdg-open"), "/bin/sleep 0.5\necho closed > '" + mark + "'\nexit 4");
    bool failed = false;
    {
        LinuxShell shell;
        shell.openWatched(QStringLiteral("https://www.example.org/"), [&failed] { failed = true; });
        ASSERT_TRUE(logged(dir, "xdg-open.log"));
    }
    EXPECT_TRUE(logged(dir, "browser-closed"));
    QTest::qWait(100);
    EXPECT_FALSE(failed); // nobody is left to tell
}

// xdg-email turns the address's subject, body and copy into a new mail.
TEST(LinuxShell, MailGoesToTheMailOpener)
{
    TempFolder dir;
    PathVariable path(QFile::encodeName(dir.file(QStringLiteral("bin"))));
    makeOpener(dir, QStringLiteral("bin"), QStringLiteral("xdg-open"), "exit 0");
    makeOpener(dir, QStringLiteral("bin"), QStringLiteral("xdg-email"), "exit 0");
    LinuxShell shell;
    EXPECT_TRUE(shell.open(QStringLiteral("mailto:a@example.org?subject=New letter&Body=Dear%20developer")));
    ASSERT_TRUE(logged(dir, "xdg-email.log"));
    EXPECT_EQ(dir.read(QStringLiteral("xdg-email.log")), "1|mailto:a@example.org?subject=New%20letter&Body=Dear%20developer");
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("xdg-open.log"))));
}
