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

class PathVariable {
public:
    explicit PathVariable(const QByteArray &value) : m_saved(qgetenv("PATH")) { qputenv("PATH", value); }
    ~PathVariable() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
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
    const QByteArray mark = QFile::encodeName(dir.file(QStringLiteral("started")));
    makeProgram(dir, QStringLiteral("bin/MyTool"), "#!/bin/sh\necho started > '" + mark + "'\n");
    PathVariable path(QFile::encodeName(dir.file(QStringLiteral("bin"))));
    LinuxShell shell;
    EXPECT_TRUE(shell.open(QStringLiteral("MYTOOL")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(dir.file(QStringLiteral("started"))); }, 5000));
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

} // namespace

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
