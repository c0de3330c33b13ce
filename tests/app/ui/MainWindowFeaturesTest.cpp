// How features plug into the main window: commands by id, pages, lifecycle
// signals in start-up order, and the timers.
#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
#include "clocks/ui/ClocksFeature.h"
#include "common/logic/SettingsStore.h"
#include "support/AssembledProgram.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

using MainFormFeatures = AssembledProgram;

// Records the main window's lifecycle as a feature would see it.
struct Lifecycle {
    QStringList seen;
    void watch(MainWindow &main)
    {
        const auto note = [this](const char *what) { return [this, what] { seen << QLatin1String(what); }; };
        QObject::connect(&main, &MainWindow::created, &main, note("created"));
        QObject::connect(&main, &MainWindow::showing, &main, note("showing"));
        QObject::connect(&main, &MainWindow::shown, &main, note("shown"));
        QObject::connect(&main, &MainWindow::hidden, &main, note("hidden"));
        QObject::connect(&main, &MainWindow::restored, &main, note("restored"));
        QObject::connect(&main, &MainWindow::aboutToBeDestroyed, &main, note("aboutToBeDestroyed"));
        QObject::connect(&main, &MainWindow::savingShutdownSettings, &main, note("savingShutdownSettings"));
        QObject::connect(&main, &MainWindow::pageChosen, &main,
                         [this](Page page) { seen << QStringLiteral("page %1").arg(int(page)); });
    }
};

} // namespace

TEST_F(MainFormFeatures, EveryCommandIdReachesItsOwnActionOnTheMainWindow)
{
    MainWindow &form = create();
    for (int i = 0; i < kCommandCount; ++i) {
        const auto id = static_cast<Command>(i);
        QAction *action = form.command(id);
        EXPECT_EQ(action->objectName(), QLatin1String(commandName(id)));
        EXPECT_EQ(form.findChildren<QAction *>(QLatin1String(commandName(id))).size(), 1) << commandName(id);
    }
}

// A feature that asks for a command nobody created must not get a dead
// button: the program stops and names the command.
TEST(CommandTableDeathTest, MissingCommandStopsTheProgramWithItsName)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    CommandTable table;
    EXPECT_FALSE(table.contains(Command::ShowTimeline));
    EXPECT_DEATH(table.action(Command::ShowTimeline), "no command WeekEditor1");
    EXPECT_DEATH(table.action(static_cast<Command>(kCommandCount)), "no command");
}

TEST(CommandTable, GivesBackTheActionOfEachId)
{
    CommandTable table;
    QAction first;
    QAction last;
    table.add(Command::Exit, &first);
    table.add(Command::OpenHomePage, &last);
    EXPECT_EQ(table.action(Command::Exit), &first);
    EXPECT_EQ(table.action(Command::OpenHomePage), &last);
    EXPECT_FALSE(table.contains(Command::ShowHelp));
}

TEST(MainFormFeaturesDeathTest, AskingForACommandTheWindowLacksStopsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TempFolder dir;
    FakePlatform platform;
    platform.locationsFake.exePath = dir.file(QStringLiteral("veltrano"));
    FakeMessageBoxes messages;
    FakeModalDialogs dialogs;
    MainWindow form(platform, messages, dialogs);
    EXPECT_DEATH(form.command(static_cast<Command>(kCommandCount)), "The main window has no command");
}

// A feature plugs in while the window is created: it finds the settings open
// and every command made, and hears `created` once everything is in place.
TEST_F(MainFormFeatures, FeaturesPlugInDuringCreationInTheirOrder)
{
    dir.write(QStringLiteral("PM.INI"), "[MainForm]\r\nAlarm1Time=6:45:00\r\n");
    QStringList order;
    Lifecycle lifecycle;
    MainWindow form(platform, messages, dialogs, [&](MainWindow &main) {
        order << main.settings().readString(QStringLiteral("MainForm"), QStringLiteral("Alarm1Time"), {});
        lifecycle.watch(main);
        auto *content = new QLabel(QStringLiteral("plugged"));
        content->setObjectName(QStringLiteral("PluggedContent"));
        main.setPageContent(Page::Notes, content);
        order << main.command(Command::ShowNotesPage)->objectName();
    });
    EXPECT_EQ(order, (QStringList{QStringLiteral("6:45:00"), QStringLiteral("ActionShowNotes")}));
    EXPECT_EQ(lifecycle.seen, QStringList{QStringLiteral("created")});
    EXPECT_EQ(form.findChild<QLabel *>(QStringLiteral("PluggedContent"))->parentWidget(),
              form.pageSheet(Page::Notes));
    EXPECT_EQ(form.pageSheet(Page::Notes)->objectName(), QStringLiteral("TabSheetNotes"));
}

TEST_F(MainFormFeatures, LifecycleSignalsFollowTheShowAndShutdownSteps)
{
    Lifecycle lifecycle;
    MainWindow &form = create();
    lifecycle.watch(form);
    form.show();
    EXPECT_EQ(lifecycle.seen, (QStringList{QStringLiteral("showing"), QStringLiteral("page 0"),
                                           QStringLiteral("shown")}));
    lifecycle.seen.clear();
    form.hide();
    form.show();
    EXPECT_EQ(lifecycle.seen, (QStringList{QStringLiteral("hidden"), QStringLiteral("showing"),
                                           QStringLiteral("page 0"), QStringLiteral("shown"),
                                           QStringLiteral("restored")}));
    lifecycle.seen.clear();
    shutDown();
    EXPECT_EQ(lifecycle.seen,
              (QStringList{QStringLiteral("aboutToBeDestroyed"), QStringLiteral("savingShutdownSettings")}));
}

// When the frame's own keys are refused, the features write nothing more, and
// the settings file is reported once for every window that tried it.
TEST_F(MainFormFeatures, RefusedFrameWriteKeepsTheFeaturesFromWriting)
{
    Lifecycle lifecycle;
    lifecycle.watch(create());
    platform.filesFake.diskFull = true;
    shutDown();
    EXPECT_EQ(lifecycle.seen, QStringList{QStringLiteral("aboutToBeDestroyed")});
    const QStringList settingsReports =
        messages.texts().filter(QRegularExpression(QStringLiteral("^Unable to write to .*PM\\.INI$")));
    EXPECT_EQ(settingsReports.size(), 1);
}

TEST_F(MainFormFeatures, TimersTickEverySecondAndEveryHourFromStartUp)
{
    MainWindow &form = create();
    EXPECT_TRUE(form.timerTime().isActive());
    EXPECT_EQ(form.timerTime().interval(), 1000);
    EXPECT_TRUE(form.timerUpdate().isActive());
    EXPECT_EQ(form.timerUpdate().interval(), 3600000);
    EXPECT_EQ(form.findChild<QTimer *>(QStringLiteral("TimerTime")), &form.timerTime());
}

// Another feature's command (the sleep mode) silences the alarm through the
// clocks; the untick is what the settings file keeps.
TEST_F(MainFormFeatures, DisablingTheAlarmUnticksItForGood)
{
    create("[MainForm]\r\nAlarm1Checked=1\r\n");
    ASSERT_TRUE(widget<QCheckBox>("CheckBoxAlarmClock")->isChecked());
    windows->clocks().disableAlarm();
    EXPECT_FALSE(widget<QCheckBox>("CheckBoxAlarmClock")->isChecked());
    shutDown();
    EXPECT_TRUE(ini().contains("Alarm1Checked=0\r\n"));
}
