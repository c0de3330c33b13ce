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
