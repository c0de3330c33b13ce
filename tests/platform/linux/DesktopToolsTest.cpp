#include "platform/linux/DesktopEntries.h"
#include "platform/linux/DesktopTools.h"

#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

// A desktop laid out in a temp folder: bin/ on PATH, config/ and data/ as
// the XDG homes, nothing of the machine's own.
class FakeDesktop {
public:
    FakeDesktop()
    {
        env.path = dir.file(QStringLiteral("bin"));
        env.configHome = dir.file(QStringLiteral("config"));
        env.dataHome = dir.file(QStringLiteral("data"));
        env.dataDirs = {dir.file(QStringLiteral("system"))};
    }
    QString install(const QString &program)
    {
        const QString relative = QStringLiteral("bin/") + program;
        dir.write(relative, "#!/bin/sh\n");
        QFile::setPermissions(dir.file(relative), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return dir.file(relative);
    }
    void entry(const QString &relative, const QByteArray &exec)
    {
        dir.write(relative, "[Desktop Entry]\nType=Application\nName=X\nExec=" + exec + "\n");
    }
    void defaults(const QString &relative, const QByteArray &value)
    {
        dir.write(relative, "[Added Associations]\ntext/plain=other.desktop;\n[Default Applications]\ntext/plain="
                                + value + "\n");
    }
    std::optional<ToolCommand> find(DesktopTool tool) const { return FindDesktopTool(tool, env); }

    TempFolder dir;
    DesktopEnvironment env;
};

} // namespace

TEST(DesktopTools, FirstInstalledProgramOfTheListWins)
{
    FakeDesktop desktop;
    EXPECT_FALSE(desktop.find(DesktopTool::Calculator));
    desktop.install(QStringLiteral("xcalc"));
    const QString kcalc = desktop.install(QStringLiteral("kcalc"));
    EXPECT_EQ(desktop.find(DesktopTool::Calculator), (ToolCommand{kcalc, {}}));
    const QString gnome = desktop.install(QStringLiteral("gnome-calculator"));
    EXPECT_EQ(desktop.find(DesktopTool::Calculator), (ToolCommand{gnome, {}}));
}

TEST(DesktopTools, TerminalIsTheSystemsChoiceFirst)
{
    FakeDesktop desktop;
    desktop.install(QStringLiteral("xterm"));
    desktop.install(QStringLiteral("konsole"));
    const QString chosen = desktop.install(QStringLiteral("x-terminal-emulator"));
    EXPECT_EQ(desktop.find(DesktopTool::Terminal), (ToolCommand{chosen, {}}));
}

TEST(DesktopTools, ToolsThatNeedAnArgumentGetIt)
{
    FakeDesktop desktop;
    const QString office = desktop.install(QStringLiteral("libreoffice"));
    EXPECT_EQ(desktop.find(DesktopTool::WordProcessor), (ToolCommand{office, {QStringLiteral("--writer")}}));
    const QString settings = desktop.install(QStringLiteral("gnome-control-center"));
    EXPECT_EQ(desktop.find(DesktopTool::DateTimeSettings), (ToolCommand{settings, {QStringLiteral("datetime")}}));
    EXPECT_EQ(desktop.find(DesktopTool::ControlPanel), (ToolCommand{settings, {}}));
    EXPECT_FALSE(desktop.find(DesktopTool::SafeRemoval));
}

TEST(DesktopTools, TextEditorIsTheUsersDefaultForPlainTextFirst)
{
    FakeDesktop desktop;
    const QString gedit = desktop.install(QStringLiteral("gedit"));
    EXPECT_EQ(desktop.find(DesktopTool::TextEditor), (ToolCommand{gedit, {}}));

    const QString chosen = desktop.install(QStringLiteral("my-editor"));
    desktop.entry(QStringLiteral("system/applications/my-editor.desktop"), "my-editor --new-window %U");
    desktop.defaults(QStringLiteral("config/mimeapps.list"), "missing.desktop;my-editor.desktop;");
    EXPECT_EQ(desktop.find(DesktopTool::TextEditor), (ToolCommand{chosen, {QStringLiteral("--new-window")}}));

    // A desktop-specific list outweighs the general one.
    desktop.env.desktops = {QStringLiteral("xfce")};
    const QString mousepad = desktop.install(QStringLiteral("mousepad"));
    desktop.entry(QStringLiteral("data/applications/org.xfce.mousepad.desktop"), "mousepad %F");
    desktop.defaults(QStringLiteral("config/xfce-mimeapps.list"), "org.xfce.mousepad.desktop");
    EXPECT_EQ(desktop.find(DesktopTool::TextEditor), (ToolCommand{mousepad, {}}));
}

// A default whose program is gone, or whose entry is hidden or broken, is
// passed over for the list.
TEST(DesktopTools, UnusableDefaultFallsBackToTheList)
{
    FakeDesktop desktop;
    const QString kate = desktop.install(QStringLiteral("kate"));
    desktop.entry(QStringLiteral("system/applications/gone.desktop"), "uninstalled-editor %f");
    desktop.dir.write(QStringLiteral("system/applications/hidden.desktop"),
                      "[Desktop Entry]\nExec=kate\nHidden=true\n");
    desktop.entry(QStringLiteral("system/applications/broken.desktop"), "\"kate");
    desktop.defaults(QStringLiteral("config/mimeapps.list"),
                     "gone.desktop;hidden.desktop;broken.desktop;../bin/kate;");
    EXPECT_EQ(desktop.find(DesktopTool::TextEditor), (ToolCommand{kate, {}}));
}

TEST(DesktopEntries, ExecLinesSplitAsTheRulesSay)
{
    EXPECT_EQ(ExecArguments(QStringLiteral("gedit %U")), QStringList{QStringLiteral("gedit")});
    EXPECT_EQ(ExecArguments(QStringLiteral("  \"/opt/my editor/run\"   -x  --rate=100%% %f")),
              (QStringList{QStringLiteral("/opt/my editor/run"), QStringLiteral("-x"), QStringLiteral("--rate=100%")}));
    EXPECT_EQ(ExecArguments(QStringLiteral("sh -c \"echo \\\"\\$HOME\\\" \\`id\\`\"")),
              (QStringList{QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("echo \"$HOME\" `id`")}));
    EXPECT_EQ(ExecArguments(QStringLiteral("prog \"\"")), (QStringList{QStringLiteral("prog"), QString()}));
    EXPECT_TRUE(ExecArguments(QStringLiteral("prog \"open")).isEmpty());
    EXPECT_TRUE(ExecArguments(QString()).isEmpty());
}

// Whatever the path holds comes back as that one path.
TEST(DesktopEntries, WrittenExecValueReadsBackAsTheSamePath)
{
    for (const char *path : {"/usr/bin/veltrano", "/home/me/My Apps/veltrano", "/tmp/a \"b\" 'c'/v",
                             "/tmp/$(touch x)/`id`/v", "/tmp/back\\slash/100%/v", "/tmp/%f/v"}) {
        const QString program = QString::fromUtf8(path);
        const QByteArray file = "[Desktop Entry]\nExec=" + ExecValueFor(program).toUtf8() + "\n";
        const QString read = KeyFileValue(file, QStringLiteral("Desktop Entry"), QStringLiteral("Exec")).value();
        EXPECT_EQ(ExecArguments(read), QStringList{program}) << path;
    }
}

TEST(DesktopTools, WindowsToolNamesIgnoringCaseAndExe)
{
    EXPECT_EQ(WindowsToolNamed(QStringLiteral("NOTEPAD")), DesktopTool::TextEditor);
    EXPECT_EQ(WindowsToolNamed(QStringLiteral("calc.exe")), DesktopTool::Calculator);
    EXPECT_EQ(WindowsToolNamed(QStringLiteral("NTBACKUP.EXE")), DesktopTool::Backup);
    EXPECT_EQ(WindowsToolNamed(QStringLiteral("Cmd")), DesktopTool::Terminal);
    EXPECT_FALSE(WindowsToolNamed(QStringLiteral("NOTEPAD.TXT")));
    EXPECT_FALSE(WindowsToolNamed(QStringLiteral(" NOTEPAD")));
    EXPECT_FALSE(WindowsToolNamed(QStringLiteral("CALC; RM -RF ~")));
}
