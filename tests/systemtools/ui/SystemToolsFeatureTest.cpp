// The system-tool commands on the assembled main window, reached from every
// menu item and button that carries them.
#include "app/ui/Application.h"
#include "systemtools/ui/SystemToolsFeature.h"
#include "clocks/ui/AlarmPage.h"
#include "clocks/ui/ClocksFeature.h"
#include "support/AssembledProgram.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QElapsedTimer>
#include <QTest>

#include <future>

using namespace veltrano;
using namespace veltrano::test;

namespace {

const QString kLauncherFailed = QStringLiteral("Произошёл неожиданный сбой");

class SystemTools : public AssembledProgram {
protected:
    // Clicks a button or triggers a menu item or action of that name.
    void use(const char *name)
    {
        if (auto *button = main().findChild<QAbstractButton *>(QLatin1String(name)))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            action(name)->trigger();
    }
    QCheckBox *alarm() const { return program->clocks().alarmPage().checkBoxAlarmClock(); }
};

struct Place {
    const char *name;
    DesktopTool tool;
};

} // namespace

TEST_F(SystemTools, EveryLauncherPlaceStartsItsTool)
{
    create();
    const Place places[] = {
        {"ToolButtonNotePad", DesktopTool::TextEditor}, {"NotePad1", DesktopTool::TextEditor},
        {"Notepad2", DesktopTool::TextEditor},          {"WordPad1", DesktopTool::WordProcessor},
        {"Wordpad2", DesktopTool::WordProcessor},       {"ToolButton8", DesktopTool::Calculator},
        {"Calculator1", DesktopTool::Calculator},       {"Calculator2", DesktopTool::Calculator},
        {"Paint1", DesktopTool::Paint},                 {"Paint2", DesktopTool::Paint},
        {"Console1", DesktopTool::Terminal},            {"SpeedButtonConsole", DesktopTool::Terminal}};
    for (const Place &place : places) {
        platform.shellFake.tools.clear();
        use(place.name);
        EXPECT_EQ(platform.shellFake.tools, QList<DesktopTool>{place.tool}) << place.name;
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SystemTools, EveryPanelPlaceStartsItsTool)
{
    create();
    const Place places[] = {{"Flash1", DesktopTool::SafeRemoval},
                            {"SpeedButton7", DesktopTool::SafeRemoval},
                            {"ControlPanel1", DesktopTool::ControlPanel},
                            {"WindowsClock1", DesktopTool::DateTimeSettings},
                            {"ActionDateAndTimeSetUp", DesktopTool::DateTimeSettings},
                            {"SetupUninstall1", DesktopTool::SoftwareManager}};
    for (const Place &place : places) {
        platform.shellFake.tools.clear();
        use(place.name);
        EXPECT_EQ(platform.shellFake.tools, QList<DesktopTool>{place.tool}) << place.name;
    }
    EXPECT_EQ(action("ControlPanel1")->text(), QStringLiteral("Control  Panel..."));
}

// A desktop without the tool: a launcher says so, a panel stays silent.
TEST_F(SystemTools, OnlyAMissingLauncherIsReported)
{
    create();
    platform.shellFake.succeeds = false;
    for (const char *panel : {"Flash1", "ControlPanel1", "WindowsClock1", "SetupUninstall1"})
        use(panel);
    EXPECT_TRUE(messages.shown.isEmpty());
    use("Calculator2");
    use("SpeedButtonConsole");
    EXPECT_EQ(messages.texts(), QStringList(2, kLauncherFailed));
    EXPECT_EQ(messages.shown.constFirst().kind, QStringLiteral("notice"));
}

// "Backup..." starts the desktop's backup program itself: what the user was
// typing into the console line stays there.
TEST_F(SystemTools, BackupStartsTheBackupToolAndLeavesTheConsoleLineAlone)
{
    create();
    auto *console = widget<QLineEdit>("MainEditCmd");
    QTest::keyClicks(console, QStringLiteral("half-typed"));
    use("ntbackupexe1");
    EXPECT_EQ(platform.shellFake.tools, QList<DesktopTool>{DesktopTool::Backup});
    EXPECT_TRUE(platform.shellFake.opened.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(console->text(), QStringLiteral("half-typed"));

    platform.shellFake.succeeds = false; // a desktop without one
    use("ntbackupexe1");
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Unknown operator :(")});
    EXPECT_EQ(console->text(), QStringLiteral("half-typed"));
}

TEST_F(SystemTools, SleepAnsweredNoOrCancelChangesNothing)
{
    create("[MainForm]\r\nAlarm1Checked=1\r\n");
    ASSERT_TRUE(alarm()->isChecked());
    messages.answers = {MessageBoxes::Answer::No, MessageBoxes::Answer::Cancel};
    use("GoToSleepMode1");
    use("GoToSleepMode1");
    EXPECT_EQ(messages.texts(),
              QStringList(2, QStringLiteral("Go to sleep mode? Alarm-clock will be disabled. Continue?")));
    EXPECT_EQ(messages.shown.constFirst().kind, QStringLiteral("ask"));
    EXPECT_TRUE(alarm()->isChecked());
    EXPECT_EQ(platform.powerFake.suspends, 0);
}

TEST_F(SystemTools, SleepAnsweredYesSwitchesTheAlarmOffEvenWhenSuspendIsRefused)
{
    create("[MainForm]\r\nAlarm1Checked=1\r\n");
    platform.powerFake.succeeds = false;
    messages.answers = {MessageBoxes::Answer::Yes};
    use("GoToSleepMode1");
    EXPECT_FALSE(alarm()->isChecked());
    EXPECT_EQ(platform.powerFake.suspends, 1);
    EXPECT_EQ(messages.shown.size(), 1); // the question only: a refusal is not reported
}

TEST_F(SystemTools, CdTrayMovesFromMenusAndButtons)
{
    create();
    use("OpenCD1");
    use("SpeedButton4");
    use("CloseCD1");
    use("SpeedButton5");
    auto *coffee = widget<QMenu>("Coffee1");
    ASSERT_EQ(coffee->actions().size(), 2);
    coffee->actions()[0]->trigger();
    ASSERT_TRUE(program->systemTools().waitForCdTray(5000));
    EXPECT_EQ(platform.cdTrayFake.moves, (QStringList{QStringLiteral("open"), QStringLiteral("open"),
                                                      QStringLiteral("close"), QStringLiteral("close"),
                                                      QStringLiteral("open")}));
}

// A drive that never finishes its move must not keep the program from
// ending: the end waits a bounded while, then goes on without it.
TEST_F(SystemTools, ExitWaitsForAHangingTrayOnlyABoundedWhile)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    platform.cdTrayFake.whileMoving = [released] { released.wait(); };
    create();
    use("OpenCD1");
    QElapsedTimer timer;
    timer.start();
    shutDown();
    EXPECT_LT(timer.elapsed(), kCdTrayExitWaitMs + 3000);
    EXPECT_GE(timer.elapsed(), kCdTrayExitWaitMs - 100);
    release.set_value();
    for (int i = 0; i < 200 && platform.cdTrayFake.moves.isEmpty(); ++i)
        QTest::qWait(10);
}

TEST_F(SystemTools, AutorunItemsStayHiddenAndAddOrRemoveTheEntry)
{
    create();
    EXPECT_FALSE(action("oAutorun1")->isVisible());
    EXPECT_FALSE(action("Fromtheautorun1")->isVisible());
    use("oAutorun1");
    use("Fromtheautorun1");
    EXPECT_EQ(platform.shellFake.autostart, (QList<bool>{true, false}));
}
