#include "app/logic/Startup.h"
#include "app/ui/MainWindow.h"
#include "common/logic/SettingsStore.h"
#include "support/AssembledProgram.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

using MainFormStartup = AssembledProgram;

} // namespace

TEST_F(MainFormStartup, NoSettingsFileOpensAt780By590InTheCorner)
{
    MainWindow *form = &create();
    form->show();
    QCoreApplication::processEvents(); // the outer size is settled once the frame is known
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Veltrano 1.1"));
    EXPECT_EQ(form->frameGeometry().size(), QSize(780, 590));
    EXPECT_EQ(form->pos(), QPoint(0, 0));
    EXPECT_EQ(program->context().dataFolder(), dir.path());
}

// 600 by 640 where the screen has room; the test screen is 600 high.
TEST_F(MainFormStartup, SizeFlagOffOpens600By640AsFarAsTheScreenHasRoom)
{
    MainWindow *form = &create("[MainForm]\r\nSaveWinSize=0\r\nWid=900\r\nHei=700\r\n");
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(form->size(), QSize(600, std::min(640, area.height())));
    form->show();
    QCoreApplication::processEvents(); // framed
    EXPECT_TRUE(area.contains(form->frameGeometry()));
    EXPECT_EQ(form->frameGeometry().height(), std::min(640, area.height()));
}

TEST_F(MainFormStartup, PositionFlagOffCentresOnTheDesktop)
{
    MainWindow *form = &create("[MainForm]\r\nSaveWinPos=0\r\nLeft=5\r\nTop=5\r\n");
    const QRect desk = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(form->frameGeometry().center(), QRect(form->pos(), QSize(780, 590)).center());
    EXPECT_LE(std::abs(form->frameGeometry().center().x() - desk.center().x()), 1);
}

// Left where no screen is (a monitor since removed), the window comes back
// whole onto the nearest screen at its first show.
TEST_F(MainFormStartup, StoredEdgeBeyondTheScreenIsBroughtBackAtShow)
{
    MainWindow *form = &create("[MainForm]\r\nLeft=5000\r\nTop=20\r\n");
    EXPECT_EQ(form->pos(), QPoint(5000, 20));
    form->show();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = form->frameGeometry();
    EXPECT_GE(frame.left(), area.left());
    EXPECT_GE(frame.top(), area.top());
    EXPECT_TRUE(frame.right() <= area.right() || frame.left() == area.left()) << frame.right();
}

TEST_F(MainFormStartup, SizeBeyondTheScreenOpensAndIsWrittenBackWithinIt)
{
    MainWindow *form = &create("[MainForm]\r\nWid=0x7FFFFFFF\r\nHei=0x7FFFFFFF\r\n");
    form->show();
    QCoreApplication::processEvents();
    const QSize screen = QGuiApplication::primaryScreen()->availableVirtualSize();
    EXPECT_EQ(form->frameGeometry().size(), screen);
    shutDown();
    SettingsStore after(platform.filesFake, platform.codec, dir.file(QStringLiteral("PM.INI")), {});
    EXPECT_EQ(after.readInteger(QStringLiteral("MainForm"), QStringLiteral("Wid"), -1), screen.width());
    EXPECT_EQ(after.readInteger(QStringLiteral("MainForm"), QStringLiteral("Hei"), -1), screen.height());
}

TEST_F(MainFormStartup, ShutdownWritesTheApplicationAndSevenMainFormKeys)
{
    MainWindow *form = &create("[MainForm]\r\nSaveWinPos=0\r\nAlarm1Time=7:30:00\r\nAlarm1Checked=1\r\n");
    form->move(40, 30);
    shutDown();
    SettingsStore after(platform.filesFake, platform.codec, dir.file(QStringLiteral("PM.INI")), {});
    EXPECT_FALSE(after.readBool(QStringLiteral("Application"), QStringLiteral("Hiden"), true));
    EXPECT_EQ(after.readInteger(QStringLiteral("MainForm"), QStringLiteral("Left"), -1), 40);
    EXPECT_EQ(after.readInteger(QStringLiteral("MainForm"), QStringLiteral("Top"), -1), 30);
    EXPECT_EQ(after.readInteger(QStringLiteral("MainForm"), QStringLiteral("Wid"), -1), 780);
    EXPECT_EQ(after.readInteger(QStringLiteral("MainForm"), QStringLiteral("Hei"), -1), 590);
    EXPECT_EQ(after.readString(QStringLiteral("MainForm"), QStringLiteral("Alarm1Time"), {}), QStringLiteral("7:30:00"));
    EXPECT_TRUE(after.readBool(QStringLiteral("MainForm"), QStringLiteral("Alarm1Checked"), false));
    EXPECT_EQ(after.readString(QStringLiteral("MainForm"), QStringLiteral("Alarm1Sound"), QStringLiteral("x")), QString());
    EXPECT_TRUE(messages.shown.isEmpty());
}

// The frame's keys first, then the alarm's, each section's keys in one order.
TEST_F(MainFormStartup, ShutdownWritesTheFramesKeysThenTheAlarms)
{
    create().move(12, 34);
    shutDown();
    // The windows created after the main window write theirs first.
    EXPECT_EQ(ini(), "[ToDo EditForm]\r\nTime=0\r\nDate=0\r\nPrior=0\r\nMark=0\r\nNum=0\r\nScob=0\r\n"
                     "[ToDo Form]\r\nLeft=0\r\nTop=0\r\nWidth=226\r\nHeight=356\r\n"
                     "[Application]\r\nHiden=0\r\n[MainForm]\r\nLeft=12\r\nTop=34\r\nWid=780\r\nHei=590\r\n"
                     "Alarm1Sound=\r\nAlarm1Time=\r\nAlarm1Checked=0\r\n");
}

// On a full disk every window's exit writes are refused: the settings file
// is reported once, beside the to-do list that could not be saved either.
TEST_F(MainFormStartup, RefusedShutdownWritesAreReportedOnce)
{
    create();
    platform.filesFake.diskFull = true;
    shutDown();
    const QString refused = QStringLiteral("Unable to write to ") + dir.file(QStringLiteral("PM.INI"));
    EXPECT_EQ(messages.texts(), (QStringList{refused, QStringLiteral("Sorry. Can not save data from To-Do list.")}));
}

// A portable copy on a read-only medium shows the settings it holds, and says
// once, before anything is changed, that changes cannot be saved there.
TEST_F(MainFormStartup, ReadOnlyCopyKeepsItsDataAndSaysOnceThatChangesCannotBeSaved)
{
    platform.locationsFake.readOnlyFolders << dir.path();
    create("[ToolBars]\r\nStatus=0\r\n");
    EXPECT_EQ(program->context().dataFolder(), dir.path());
    EXPECT_FALSE(action("StatusBar1")->isChecked());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().kind, QStringLiteral("notice"));
    EXPECT_EQ(messages.shown.first().text, ReadOnlyDataFolderNotice(dir.path()));
}

TEST_F(MainFormStartup, RefusedBarWriteLeavesBarAndTickAsStored)
{
    MainWindow *form = &create();
    form->show();
    QAction *toggle = form->findChild<QAction *>(QStringLiteral("StatusBar1"));
    ASSERT_TRUE(toggle);
    platform.filesFake.diskFull = true;
    toggle->trigger();
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(form->findChild<QWidget *>(QStringLiteral("MainStatusBar"))->isVisible());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().text, QStringLiteral("Unable to write to ") + dir.file(QStringLiteral("PM.INI")));
}

TEST_F(MainFormStartup, ToolBarDropDownsUseTheirOwnCaptions)
{
    MainWindow *form = &create();
    const auto caption = [&](const char *name) {
        return form->findChild<QAction *>(QLatin1String(name))->text();
    };
    EXPECT_EQ(caption("NotePad1"), QStringLiteral("NotePad..."));
    EXPECT_EQ(caption("WordPad1"), QStringLiteral("WordPad..."));
    EXPECT_EQ(caption("Notepad2"), QStringLiteral("Notepad..."));
    EXPECT_EQ(caption("Calculator1"), QStringLiteral("Calculator..."));
}

// Wherever the program keeps its data, the first start finds the folders the
// tree and the timeline read; without them the first showing would already
// report damaged task files.
TEST_F(MainFormStartup, FirstStartSetsUpTheFoldersOfAShippedCopy)
{
    platform.locationsFake.readOnlyFolders << dir.path();
    platform.locationsFake.perUser = dir.file(QStringLiteral("per-user/"));
    MainWindow &form = create();
    form.show();
    EXPECT_EQ(program->context().dataFolder(), dir.file(QStringLiteral("per-user/")));
    EXPECT_TRUE(platform.filesFake.isFolder(dir.file(QStringLiteral("per-user/Projects Group"))));
    EXPECT_TRUE(platform.filesFake.isFolder(dir.file(QStringLiteral("per-user/Week"))));
    EXPECT_FALSE(platform.filesFake.exists(dir.file(QStringLiteral("Week"))));
    EXPECT_TRUE(messages.shown.isEmpty());
}

// A second start is refused, but the user started it to see the program: the
// running copy's main window comes back from the tray and to the front.
TEST_F(MainFormStartup, ASecondStartBringsTheRunningCopyForward)
{
    auto marker = AcquireSingleInstance(platform.instanceFake, dir.path());
    ASSERT_TRUE(marker);
    create();
    program->comeForwardOnLaterStarts(*marker);
    showStarted();
    action("MinimuzeWindoe")->trigger();
    ASSERT_FALSE(main().isVisible());
    main().startupFlags().hidden = true;

    EXPECT_FALSE(AcquireSingleInstance(platform.instanceFake, dir.path()));
    EXPECT_TRUE(CallRunningCopyForward(platform.instanceFake));
    EXPECT_TRUE(QTest::qWaitFor([&] { return main().isVisible(); }, 2000));
    EXPECT_FALSE(main().startupFlags().hidden);
    EXPECT_TRUE(widget<QWidget>("StringGrid")->isVisible()); // the show steps ran: the Today page

    // Already in view: it only comes to the front.
    EXPECT_TRUE(CallRunningCopyForward(platform.instanceFake));
    QTest::qWait(50);
    EXPECT_TRUE(main().isVisible());

    marker.reset();
    EXPECT_FALSE(CallRunningCopyForward(platform.instanceFake)); // nobody left to call
}
