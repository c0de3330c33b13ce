#include "app/ui/AboutDialog.h"
#include "app/ui/MainWindow.h"
#include "app/ui/TrayPlacement.h"
#include "common/logic/BackgroundWriter.h"
#include "common/logic/DataFolderWatch.h"
#include "common/logic/SettingsStore.h"
#include "common/ui/AppContext.h"
#include "common/ui/MainFrame.h"

#include "platform/fake/FakePlatform.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeModalDialogs.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class TrayWindow : public ::testing::Test {
protected:
    TrayWindow() { platform.locationsFake.exePath = dir.file(QStringLiteral("veltrano")); }
    ~TrayWindow() override { closeDown(); }

    // The main window with the tray beside it, as the program makes them.
    void make()
    {
        settings = std::make_unique<SettingsStore>(files, platform.codec, dir.file(QStringLiteral("PM.INI")), nullptr);
        context = std::make_unique<AppContext>(platform, files, watch, *settings, dir.path(), messages, dialogs);
        main = std::make_unique<MainWindow>(*context);
        placement = std::make_unique<TrayPlacement>(*context, *main);
    }
    void closeDown()
    {
        placement.reset();
        main.reset();
    }
    // As the program has it once the main window's first frame is up.
    TrayPlacement &start()
    {
        make();
        placement->start();
        return *placement;
    }
    TrayPlacement &startShown()
    {
        start();
        main->show();
        shows = std::make_unique<QSignalSpy>(&main->frame(), &MainFrame::shown);
        return *placement;
    }
    QAction *action(const char *name) const { return main->findChild<QAction *>(QLatin1String(name)); }
    QAction *trayItem(const QString &text) const
    {
        for (QAction *item : placement->trayMenu()->actions())
            if (item->text() == text)
                return item;
        return nullptr;
    }

    TempFolder dir;
    FakePlatform platform;
    FakeMessageBoxes messages;
    FakeModalDialogs dialogs;
    BackgroundWriter files{platform.filesFake, platform.clockFake, QStringLiteral("desk")};
    DataFolderWatch watch{files};
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<TrayPlacement> placement;
    std::unique_ptr<QSignalSpy> shows;
};

} // namespace

// Nothing of the tray holds the first frame back: the icon, the hot keys and
// the greeting come once the window is on screen, and only once.
TEST_F(TrayWindow, TrayHotKeysAndGreetingWaitForTheFirstFrame)
{
    make();
    EXPECT_FALSE(platform.trayFake.shown);
    EXPECT_TRUE(platform.hotKeysFake.registered.isEmpty());
    EXPECT_TRUE(platform.trayFake.balloons.isEmpty());
    EXPECT_EQ(placement->trayMenu(), nullptr);

    QSignalSpy started(&main->frame(), &MainFrame::started);
    main->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return started.count() == 1; }, 3000));
    EXPECT_TRUE(platform.trayFake.shown);
    EXPECT_EQ(platform.hotKeysFake.registered, (QSet<int>{1, 2}));
    EXPECT_EQ(platform.trayFake.balloons.size(), 1);

    main->hide();
    main->show();
    QTest::qWait(100);
    EXPECT_EQ(started.count(), 1);
    EXPECT_EQ(platform.trayFake.balloons.size(), 1);
}

// Hidden before its icon is in the tray, the window could not come back.
TEST_F(TrayWindow, HidingBeforeTheTrayIconIsShownGoesToTheTaskBar)
{
    make();
    main->show();
    action("MinimuzeWindoe")->trigger();
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->isMinimized());
}

TEST_F(TrayWindow, BothHotKeysAreHeldUntilTheMainWindowGoes)
{
    start();
    EXPECT_EQ(platform.hotKeysFake.registered, (QSet<int>{1, 2}));
    EXPECT_TRUE(messages.shown.isEmpty());
    closeDown();
    EXPECT_TRUE(platform.hotKeysFake.registered.isEmpty());
}

TEST_F(TrayWindow, KeyHeldByAnotherProgramIsReportedAndTheOtherStillRegistered)
{
    platform.hotKeysFake.refuse[1] = HotKeys::Refusal::HeldByAnotherProgram;
    start();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].kind, QStringLiteral("notice"));
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Sorry. Unable to assign Ctrl-F1 as hotkey."));
    EXPECT_EQ(platform.hotKeysFake.registered, QSet<int>{2});
}

TEST_F(TrayWindow, NoX11SessionRefusesBothKeysInOrder)
{
    platform.hotKeysFake.refuse[1] = HotKeys::Refusal::Unsupported;
    platform.hotKeysFake.refuse[2] = HotKeys::Refusal::Unsupported;
    start();
    EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("Sorry. Unable to assign Ctrl-F1 as hotkey."),
                                             QStringLiteral("Sorry. Unable to assign Shift-F1 as hotkey.")}));
    // Start-up went on past both refusals: the tray icon and the greeting came.
    EXPECT_TRUE(platform.trayFake.shown);
    EXPECT_EQ(platform.trayFake.balloons.size(), 1);
}

TEST_F(TrayWindow, HotKeysReachTheirCommandsWhileTheWindowIsHidden)
{
    start();
    QSignalSpy toDo(action("FastToDoListShow"), &QAction::triggered);
    QSignalSpy clock(action("ActionDeduviClockFormShow"), &QAction::triggered);
    ASSERT_FALSE(main->isVisible());
    platform.hotKeysFake.press(1);
    platform.hotKeysFake.press(2);
    platform.hotKeysFake.press(2);
    platform.hotKeysFake.press(7); // not ours
    EXPECT_EQ(toDo.count(), 1);
    EXPECT_EQ(clock.count(), 2);
}

TEST_F(TrayWindow, TrayIconCarriesTheTitleAndGreetsOnceForThreeSeconds)
{
    start();
    EXPECT_TRUE(platform.trayFake.shown);
    EXPECT_EQ(platform.trayFake.toolTip, QStringLiteral("Veltrano"));
    ASSERT_EQ(platform.trayFake.balloons.size(), 1);
    EXPECT_EQ(platform.trayFake.balloons[0].title, QStringLiteral("Veltrano"));
    EXPECT_EQ(platform.trayFake.balloons[0].text,
              QStringLiteral("Good time of the day! Today is:\n\r08.12.2026\n\r9:30:00"));
    EXPECT_EQ(platform.trayFake.balloons[0].msecs, 3000);
}

TEST_F(TrayWindow, TrayMenuOffersItsCommandsInOrder)
{
    start();
    QStringList captions;
    for (QAction *item : placement->trayMenu()->actions())
        if (!item->isSeparator())
            captions << item->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Main..."), QStringLiteral("Hide"), QStringLiteral("Tools"),
                                     QStringLiteral("View"), QStringLiteral("Widgets"), QStringLiteral("Direction"),
                                     QStringLiteral("Commands"), QStringLiteral("Help"), QStringLiteral("Exit")}));
    EXPECT_EQ(trayItem(QStringLiteral("Main..."))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    // Shared with the main menu: one command, one shortcut.
    const QMenu *direction = trayItem(QStringLiteral("Direction"))->menu();
    EXPECT_TRUE(direction->actions().contains(action("FastToDoListShow")));
    EXPECT_EQ(action("FastToDoListShow")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
    EXPECT_TRUE(trayItem(QStringLiteral("Exit")) == action("CloseApp"));
}

TEST_F(TrayWindow, HidingToTheTrayAndBackRunsTheShowStepsAgain)
{
    startShown();
    action("MinimuzeWindoe")->trigger();
    EXPECT_FALSE(main->isVisible());
    trayItem(QStringLiteral("Main..."))->trigger();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(shows->count(), 1);

    trayItem(QStringLiteral("Hide"))->trigger();
    EXPECT_FALSE(main->isVisible());
    trayItem(QStringLiteral("Hide"))->trigger(); // already hidden: nothing to do
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(main->isMinimized());
    platform.trayFake.doubleClick();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(shows->count(), 2);
}

TEST_F(TrayWindow, MinimiseBoxHidesToTheTray)
{
    startShown();
    main->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !main->isVisible(); }, 2000));
    platform.trayFake.doubleClick();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->isMinimized());
    EXPECT_EQ(shows->count(), 1);
}

// Hidden with no tray to come back from, the window would be lost.
TEST_F(TrayWindow, WithoutATrayHidingGoesToTheTaskBar)
{
    platform.trayFake.available = false;
    startShown();
    action("MinimuzeWindoe")->trigger();
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->isMinimized());
    QTest::qWait(50);
    EXPECT_TRUE(main->isVisible()); // the minimise is not turned into a hide either

    trayItem(QStringLiteral("Main..."))->trigger();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->isMinimized());
    EXPECT_EQ(shows->count(), 1);
}

TEST_F(TrayWindow, TrayThatGoesAwayWhileHiddenGivesTheWindowBack)
{
    startShown();
    action("MinimuzeWindoe")->trigger();
    ASSERT_FALSE(main->isVisible());
    QTest::qWait(kTrayWatchMs + 200);
    EXPECT_FALSE(main->isVisible()); // the tray is still there
    platform.trayFake.available = false;
    EXPECT_TRUE(QTest::qWaitFor([&] { return main->isVisible(); }, 3 * kTrayWatchMs));
    EXPECT_TRUE(main->isMinimized());
    EXPECT_EQ(shows->count(), 1); // back in view: the show steps ran
}

TEST_F(TrayWindow, WithoutATrayTheGreetingStillGoesToTheTray)
{
    platform.trayFake.available = false;
    start();
    // The tray service shows it some other way; it must still be asked.
    EXPECT_EQ(platform.trayFake.balloons.size(), 1);
}

TEST_F(TrayWindow, StayOnTopTogglesWithoutHidingTheWindow)
{
    startShown();
    action("StayOnTop1")->trigger();
    EXPECT_TRUE(action("StayOnTop1")->isChecked());
    EXPECT_TRUE(main->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(main->isVisible());
    action("StayOnTop1")->trigger();
    EXPECT_FALSE(main->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(shows->count(), 0);
}

TEST_F(TrayWindow, DroppedNearAnEdgeTheWindowLandsOnIt)
{
    startShown();
    QCoreApplication::processEvents(); // the stored outer size settles after the first show
    main->resize(640, 450);
    const QRect area = main->screen()->availableGeometry();
    // Windows that keep beside the main window hear of each settled place.
    QList<QPoint> placed;
    QObject::connect(&main->frame(), &MainFrame::placed, main.get(), [&] { placed << main->frameGeometry().topLeft(); });
    main->move(area.left() + 10, area.top() + 60);
    EXPECT_TRUE(QTest::qWaitFor([&] { return main->frameGeometry().topLeft() == QPoint(area.left(), area.top() + 60); }, 2000))
        << main->frameGeometry().x();
    main->move(area.left() + 11, area.top() + 60);
    QTest::qWait(300);
    EXPECT_EQ(main->frameGeometry().topLeft(), QPoint(area.left() + 11, area.top() + 60));
    ASSERT_FALSE(placed.isEmpty());
    EXPECT_TRUE(placed.contains(QPoint(area.left(), area.top() + 60)));
    EXPECT_EQ(placed.last(), QPoint(area.left() + 11, area.top() + 60));
}

TEST_F(TrayWindow, HelpMenuCommandsGoThroughTheShell)
{
    start();
    action("ShowHelp")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Файл: ") + dir.path() + QStringLiteral("Help/index.htm не найден :(")});
    dir.write(QStringLiteral("Help/index.htm"), "<html></html>");
    action("ShowHelp")->trigger();
    action("Help1")->trigger();
    action("QuillonHomePage1")->trigger();
    ASSERT_EQ(platform.shellFake.opened.size(), 3);
    EXPECT_EQ(platform.shellFake.opened[0], dir.file(QStringLiteral("Help/index.htm")));
    EXPECT_TRUE(platform.shellFake.opened[1].startsWith(QStringLiteral("mailto:")));
    EXPECT_TRUE(platform.shellFake.opened[2].startsWith(QStringLiteral("http")));
    EXPECT_EQ(messages.shown.size(), 1); // only the missing page

    // No browser, no mail program: each command says so.
    platform.shellFake.succeeds = false;
    action("ShowHelp")->trigger();
    action("Help1")->trigger();
    action("QuillonHomePage1")->trigger();
    EXPECT_EQ(messages.texts().mid(1), QStringList(3, QStringLiteral("Произошёл неожиданный сбой. :(")));
}

TEST_F(TrayWindow, AboutCommandShowsTheAboutBoxModally)
{
    start();
    const auto aboutBoxes = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.cbegin(), windows.cend(),
                             [](const QWidget *window) { return qobject_cast<const AboutDialog *>(window); });
    };
    EXPECT_EQ(aboutBoxes(), 0); // made when first opened
    action("AboutFormShow")->trigger();
    action("AboutFormShow")->trigger();
    EXPECT_EQ(dialogs.ran, (QStringList{QStringLiteral("AboutForm"), QStringLiteral("AboutForm")}));
    EXPECT_EQ(aboutBoxes(), 1);
}

// "Main..." clears the hidden flag; the double-click leaves it; shutdown writes it.
TEST_F(TrayWindow, MainItemClearsTheHiddenFlagWrittenAtShutdown)
{
    dir.write(QStringLiteral("PM.INI"), "[Application]\r\nHiden=1\r\n");
    startShown();
    action("MinimuzeWindoe")->trigger();
    platform.trayFake.doubleClick();
    EXPECT_TRUE(main->startupFlags().hidden);
    trayItem(QStringLiteral("Main..."))->trigger();
    EXPECT_FALSE(main->startupFlags().hidden);
    main->saveAtExit();
    EXPECT_TRUE(dir.read(QStringLiteral("PM.INI")).contains("Hiden=0\r\n"));
}
