// How features plug into the main window: commands by id, pages, lifecycle
// signals in start-up order, the timers, and the save-all at the end.
#include "common/logic/BackgroundWriter.h"
#include "common/logic/DataFolderWatch.h"
#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
#include "clocks/ui/ClocksFeature.h"
#include "todo/logic/ToDoListModel.h"
#include "todo/ui/ToDoFeature.h"
#include "common/logic/SettingsStore.h"
#include "common/ui/AppContext.h"
#include "support/AssembledProgram.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
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
    void watch(MainFrame &frame)
    {
        const auto note = [this](const char *what) { return [this, what] { seen << QLatin1String(what); }; };
        QObject::connect(&frame, &MainFrame::created, &frame, note("created"));
        QObject::connect(&frame, &MainFrame::showing, &frame, note("showing"));
        QObject::connect(&frame, &MainFrame::shown, &frame, note("shown"));
        QObject::connect(&frame, &MainFrame::hidden, &frame, note("hidden"));
        QObject::connect(&frame, &MainFrame::restored, &frame, note("restored"));
        QObject::connect(&frame, &MainFrame::pageChosen, &frame,
                         [this](Page page) { seen << QStringLiteral("page %1").arg(int(page)); });
    }
};

// The main window alone, with the context the application would give it.
struct BareMainWindow {
    TempFolder dir;
    FakePlatform platform;
    FakeMessageBoxes messages;
    FakeModalDialogs dialogs;
    BackgroundWriter files{platform.filesFake, platform.clockFake, QStringLiteral("desk")};
    DataFolderWatch watch{files};
    SettingsStore settings{files, platform.codec, dir.file(QStringLiteral("PM.INI")), {}};
    AppContext context{platform, files, watch, settings, dir.path() + u'/', messages, dialogs};
    MainWindow window{context};
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
    BareMainWindow bare;
    EXPECT_DEATH(bare.window.frame().command(static_cast<Command>(kCommandCount)), "The main window has no command");
}

// A feature plugs in through the frame: every command is made, its page
// takes its content, and it hears `created` once everything is in place.
TEST(MainFrame, AFeaturePlugsInThroughTheFrame)
{
    BareMainWindow bare;
    MainFrame &frame = bare.window.frame();
    Lifecycle lifecycle;
    lifecycle.watch(frame);
    auto *content = new QLabel(QStringLiteral("plugged"));
    content->setObjectName(QStringLiteral("PluggedContent"));
    frame.setPageContent(Page::Notes, content);
    EXPECT_EQ(frame.command(Command::ShowNotesPage)->objectName(), QStringLiteral("ActionShowNotes"));
    EXPECT_TRUE(lifecycle.seen.isEmpty());
    bare.window.finishCreation();
    EXPECT_EQ(lifecycle.seen, QStringList{QStringLiteral("created")});
    EXPECT_EQ(content->parentWidget(), frame.pageSheet(Page::Notes));
    EXPECT_EQ(frame.pageSheet(Page::Notes)->objectName(), QStringLiteral("TabSheetNotes"));
    EXPECT_EQ(&frame.window(), &bare.window);
}

TEST_F(MainFormFeatures, LifecycleSignalsFollowTheShowSteps)
{
    Lifecycle lifecycle;
    MainWindow &form = create();
    lifecycle.watch(frame());
    form.show();
    EXPECT_EQ(lifecycle.seen, (QStringList{QStringLiteral("showing"), QStringLiteral("page 0"),
                                           QStringLiteral("shown")}));
    lifecycle.seen.clear();
    form.hide();
    form.show();
    EXPECT_EQ(lifecycle.seen, (QStringList{QStringLiteral("hidden"), QStringLiteral("showing"),
                                           QStringLiteral("page 0"), QStringLiteral("shown"),
                                           QStringLiteral("restored")}));
}

// One save-all at the end, in the order the program has always written: the
// composer's options, the to-do window's place and list, then the main
// window's own keys and the alarm's. The windows are all still there.
TEST_F(MainFormFeatures, TheSaveAllWritesInTheOrderOfOld)
{
    create();
    program->toDo().showWindow(false);
    shutDown();
    const QByteArray file = ini();
    const qsizetype composer = file.indexOf("[ToDo EditForm]");
    const qsizetype placement = file.indexOf("[ToDo Form]");
    const qsizetype frame = file.indexOf("[Application]");
    const qsizetype alarm = file.indexOf("Alarm1Sound=");
    ASSERT_GE(composer, 0);
    EXPECT_LT(composer, placement);
    EXPECT_LT(placement, frame);
    EXPECT_LT(frame, alarm);
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("list.todo"))));
}

// When a key is refused at the end, nothing more is tried, the settings file
// is reported once, after everything else, and so is the list.
TEST_F(MainFormFeatures, ARefusedWriteAtTheEndIsToldOnceAfterTheSaveAll)
{
    create();
    program->toDo().list().AppendToDoItem(QStringLiteral("kept in memory"));
    platform.filesFake.diskFull = true;
    const int writesBefore = platform.filesFake.replaceCount;
    program->shutDown();
    // The composer's first key is refused; the list is still tried.
    EXPECT_EQ(platform.filesFake.replaceCount - writesBefore, 2);
    const QStringList settingsReports =
        messages.texts().filter(QRegularExpression(QStringLiteral("^Unable to write to .*PM\\.INI$")));
    EXPECT_EQ(settingsReports.size(), 1);
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Sorry. Can not save data from To-Do list."));
    // A second shutdown (the destructor's) does nothing more.
    const qsizetype told = messages.shown.size();
    program.reset();
    EXPECT_EQ(messages.shown.size(), told);
}

TEST_F(MainFormFeatures, TimersTickEverySecondAndEveryHourFromStartUp)
{
    MainWindow &form = create();
    EXPECT_TRUE(form.secondTimer().isActive());
    EXPECT_EQ(form.secondTimer().interval(), 1000);
    EXPECT_TRUE(form.hourTimer().isActive());
    EXPECT_EQ(form.hourTimer().interval(), 3600000);
    EXPECT_EQ(form.findChild<QTimer *>(QStringLiteral("TimerTime")), &form.secondTimer());
    program->shutDown();
    EXPECT_FALSE(form.secondTimer().isActive());
    EXPECT_FALSE(form.hourTimer().isActive());
}

// Another feature's command (the sleep mode) silences the alarm through the
// clocks; the untick is what the settings file keeps.
TEST_F(MainFormFeatures, DisablingTheAlarmUnticksItForGood)
{
    create("[MainForm]\r\nAlarm1Checked=1\r\n");
    main().choosePage(Page::Tasks);
    ASSERT_TRUE(widget<QCheckBox>("CheckBoxAlarmClock")->isChecked());
    program->clocks().disableAlarm();
    EXPECT_FALSE(widget<QCheckBox>("CheckBoxAlarmClock")->isChecked());
    shutDown();
    EXPECT_TRUE(ini().contains("Alarm1Checked=0\r\n"));
}
