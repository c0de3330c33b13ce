// The to-do window in the program as it is put together: placement and
// docking, caption and count label, menus, keys, blending, saving.
#include "todo/ui/ToDoWindow.h"

#include "common/logic/MessageBoxes.h"
#include "platform/fake/FakePlatform.h"
#include "todo/logic/ToDoListModel.h"
#include "todo/logic/ToDoStore.h"
#include "ToDoWindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class FormToDoTest : public ToDoWindowFixture {
protected:
    static constexpr auto kNoAutostart = "[Common]\r\nTo-Do Autostart=0\r\n";

    // The menus are built when first asked for.
    QAction *item(const char *name) const { return toDo().menus().onItem() ? inToDo<QAction>(name) : nullptr; }
    QMenu *menu(const char *name) const { return toDo().menus().onItem() ? inToDo<QMenu>(name) : nullptr; }
    void rightClick(QPoint at) const { QTest::mousePress(view()->viewport(), Qt::RightButton, {}, at); }
    QPoint rowCentre(int row) const { return view()->visualRect(view()->model()->index(row, 0)).center(); }
    void closeMenus() const
    {
        menu("PopupMenu")->hide();
        menu("PopupMenu1")->hide();
    }
    QString label14() const { return widget<QLabel>("Label14")->text(); }
    void activate(QWidget &window) const
    {
        QApplication::setActiveWindow(&window);
        QCoreApplication::processEvents();
    }
};

TEST_F(FormToDoTest, DocksBesideTheVisibleMainWindowWhateverItsStoredPlacement)
{
    start("[MainForm]\r\nWid=600\r\nHei=400\r\n[ToDo Form]\r\nLeft=500\r\nTop=300\r\nWidth=150\r\nHeight=200\r\n");
    showStarted(); // the autostart shows the to-do window right after it
    QCoreApplication::processEvents(); // the frames are known once both are on screen
    ASSERT_TRUE(toDo().isVisible());
    const QRect mainFrame = main().frameGeometry();
    EXPECT_EQ(toDo().frameGeometry(), QRect(mainFrame.x() + mainFrame.width(), mainFrame.y(), 150, mainFrame.height()));

    // Follows every size change, and stays in view where the right edge
    // has no room: whole, inside the work area.
    main().resize(main().screen()->availableGeometry().width() - 20, 450);
    QCoreApplication::processEvents();
    const QRect area = main().screen()->availableGeometry();
    const QRect docked = toDo().frameGeometry();
    EXPECT_TRUE(area.contains(docked)) << docked.x() << "," << docked.width();
    EXPECT_EQ(docked.top(), main().frameGeometry().top());
    EXPECT_EQ(docked.height(), main().frameGeometry().height());
}

// Counts the times a window asks to be stacked above the others.
class RaiseCounter final : public QObject {
public:
    explicit RaiseCounter(QWidget &window) { window.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::ZOrderChange;
        return false;
    }
};

// With no room beside the main window (maximised here) the list lies over its
// right side, whole, and stays in front of it when the main window comes to
// the front.
TEST_F(FormToDoTest, DockedOverAMaximisedMainWindowItStaysInFrontOfIt)
{
    start();
    showStarted(&QWidget::showMaximized); // the autostart shows the to-do window right after it
    QCoreApplication::processEvents();
    ASSERT_TRUE(toDo().isVisible());
    const QRect area = main().screen()->availableGeometry();
    EXPECT_TRUE(area.contains(toDo().frameGeometry())) << toDo().frameGeometry().x();
    EXPECT_EQ(toDo().frameGeometry().right(), area.right());
    activate(toDo());
    RaiseCounter raised(toDo());
    activate(main());
    EXPECT_EQ(raised.count, 1);
    // A click in the already active main window raises it as well.
    QTest::mouseClick(main().windowHandle(), Qt::LeftButton, {}, QPoint(100, 200));
    EXPECT_EQ(raised.count, 2);
}

// Docked beside the main window, which has the keyboard, the list still
// shows the whole text of a cut-off item when the mouse rests on it.
TEST_F(FormToDoTest, CutOffItemShowsItsTextUnderTheMouseWhileTheMainWindowIsActive)
{
    start({}, "0Short\r\n0Call Bob and Ann about the quarterly report before Friday, and book the room\r\n");
    showStarted();
    QCoreApplication::processEvents();
    activate(main());
    ASSERT_TRUE(toDo().isVisible());
    ASSERT_FALSE(toDo().isActiveWindow());
    QToolTip::hideText();
    const QPoint onTheItem(30, rowCentre(1).y());
    QTest::mouseMove(toDo().windowHandle(), view()->viewport()->mapTo(&toDo(), onTheItem));
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000));
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("before Friday, and book the room")));
    QToolTip::hideText();
}

TEST_F(FormToDoTest, WithTheMainWindowHiddenItOpensWhereItWasLeft)
{
    start(QByteArray(kNoAutostart) + "[ToDo Form]\r\nLeft=500\r\nTop=300\r\nWidth=250\r\nHeight=200\r\n");
    toDo().showWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(toDo().frameGeometry(), QRect(500, 300, 250, 200));
    // Without "To-Do Pos" the stored placement is not used.
    shutDown();
    start("[Common]\r\nTo-Do Autostart=0\r\nTo-Do Pos=0\r\n[ToDo Form]\r\nLeft=500\r\nTop=300\r\n");
    toDo().showWindow();
    EXPECT_EQ(toDo().size(), kToDoDesignClientSize);
    EXPECT_NE(toDo().pos(), QPoint(500, 300));
}

// Left where no screen shows it (a monitor since removed), it comes back
// whole onto the screen; a little over an edge, with its title bar in view,
// it stays where the user put it.
TEST_F(FormToDoTest, StoredPlaceOffTheScreensComesBackOneInViewStays)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    start(QByteArray(kNoAutostart) + "[ToDo Form]\r\nLeft=" + QByteArray::number(area.right() + 2) + "\r\nTop=40\r\n");
    toDo().showWindow();
    QCoreApplication::processEvents();
    EXPECT_TRUE(area.contains(toDo().frameGeometry())) << toDo().frameGeometry().x();
    EXPECT_EQ(toDo().frameGeometry().top(), 40);
    shutDown();
    start(QByteArray(kNoAutostart) + "[ToDo Form]\r\nLeft=-50\r\nTop=40\r\nHeight=300\r\n");
    toDo().showWindow();
    QCoreApplication::processEvents();
    // (The test platform keeps the inside of a window on the screen, so the
    // frame ends a little further in.)
    EXPECT_LT(toDo().frameGeometry().left(), 0);
    EXPECT_EQ(toDo().frameGeometry().top(), 40);
    shutDown();
    start(QByteArray(kNoAutostart) + "[ToDo Form]\r\nLeft=-50\r\nTop=-20\r\nHeight=300\r\n");
    toDo().showWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(toDo().frameGeometry().topLeft(), area.topLeft()); // its title bar was out of reach
}

TEST_F(FormToDoTest, DroppedNearAWorkAreaEdgeItTouchesIt)
{
    start(kNoAutostart);
    toDo().showWindow();
    QCoreApplication::processEvents();
    const QRect work = toDo().screen()->availableGeometry();
    toDo().move(work.left() + 10, work.top() + 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return toDo().pos().x() == work.left(); }, 2000));
    const int width = toDo().frameGeometry().width();
    toDo().move(work.left() + work.width() - width - 11, work.top() + 100); // 11 pixels away: stays
    QTest::qWait(400);
    EXPECT_EQ(toDo().pos().x(), work.left() + work.width() - width - 11);
}

TEST_F(FormToDoTest, CaptionCountsTheItemsAndBothClearsAskFirst)
{
    start(kNoAutostart, "0a\r\n1b\r\n0c\r\n0d\r\n1e\r\n");
    EXPECT_EQ(toDo().windowTitle(), u"Today To-Do List: ");
    toDo().showWindow();
    EXPECT_EQ(toDo().windowTitle(), u"To-Do List: 5");

    messages.answers = {MessageBoxes::Answer::No};
    item("N3")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Do you want clear all items?")});
    EXPECT_EQ(itemTexts().size(), 5);

    item("MenuItem9")->trigger(); // Clear Selected, answered Yes
    EXPECT_EQ(itemTexts(), (QStringList{QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(toDo().windowTitle(), u"To-Do List: 3");
    EXPECT_EQ(listFile(), "0a\r\n0c\r\n0d\r\n");
    item("N2")->trigger(); // nothing ticked: asks, changes nothing
    EXPECT_EQ(messages.texts().last(), u"Do you want clear selected items?");
    EXPECT_EQ(itemTexts().size(), 3);

    item("MenuItem10")->trigger();
    EXPECT_EQ(toDo().windowTitle(), u"To-Do List: 0");
    EXPECT_EQ(listFile(), "");
}

TEST_F(FormToDoTest, RightClickBelowTheItemsOffersEditAndDeleteDisabled)
{
    start(kNoAutostart, "0a\r\n0b\r\n");
    toDo().showWindow();
    rightClick({5, view()->viewport()->height() - 3});
    EXPECT_TRUE(menu("PopupMenu1")->isVisible());
    EXPECT_FALSE(menu("PopupMenu")->isVisible());
    EXPECT_FALSE(item("MenuItem3")->isEnabled());
    EXPECT_FALSE(item("MenuItem5")->isEnabled());
    EXPECT_TRUE(item("MenuItem1")->isEnabled());
    EXPECT_EQ(toDo().selectedIndex(), -1);
    closeMenus();

    rightClick(rowCentre(1)); // on an item: it is selected first
    EXPECT_TRUE(menu("PopupMenu")->isVisible());
    EXPECT_EQ(toDo().selectedIndex(), 1);
    EXPECT_TRUE(item("NEdit")->isEnabled());
    EXPECT_TRUE(item("Delete1")->isEnabled());
    closeMenus();
}

TEST_F(FormToDoTest, BothMenusHaveEveryRowInOrderAndHideTheClearingSubmenu)
{
    start(kNoAutostart);
    const QStringList rows{QStringLiteral("Add...\tIns"), QString(), QStringLiteral("Edit..."), QString(),
                           QStringLiteral("Delete\tDel"), QStringLiteral("Clear Selected"),
                           QStringLiteral("Clear All"), QStringLiteral("Clearing"), QString(),
                           QStringLiteral("Statistics...\tCtrl+I"), QString(), QStringLiteral("Stay On Top"),
                           QString(), QStringLiteral("Options..."), QString(), QStringLiteral("Close (Esc)")};
    for (const char *name : {"PopupMenu", "PopupMenu1"}) {
        QStringList captions;
        for (QAction *row : menu(name)->actions())
            captions << row->text();
        EXPECT_EQ(captions, rows) << name;
        QAction *clearing = menu(name)->actions().at(7);
        EXPECT_FALSE(clearing->isVisible()) << name;
        ASSERT_NE(clearing->menu(), nullptr);
        EXPECT_EQ(clearing->menu()->actions().first()->text(), u"Save And Clear...");
    }
}

TEST_F(FormToDoTest, StayOnTopIsOneMarkInBothMenus)
{
    start(kNoAutostart);
    toDo().showWindow();
    // Menus built after the window went on top show it ticked.
    toDo().toggleStayOnTop();
    EXPECT_TRUE(item("N6")->isChecked());
    EXPECT_TRUE(item("MenuItem14")->isChecked());
    toDo().toggleStayOnTop();
    item("N6")->trigger();
    EXPECT_TRUE(item("MenuItem14")->isChecked());
    EXPECT_TRUE(item("N6")->isChecked());
    EXPECT_TRUE(toDo().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(toDo().isVisible());
    item("MenuItem14")->trigger();
    EXPECT_FALSE(item("N6")->isChecked());
    EXPECT_FALSE(item("MenuItem14")->isChecked());
    EXPECT_FALSE(toDo().windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(FormToDoTest, BlendsAShadeClearerWhenShownFullyUnderTheMouseInBetweenAfter)
{
    start("[Common]\r\nTo-Do Autostart=0\r\nTo-Do Alpha Pos=230\r\n", "0a\r\n");
    toDo().showWindow();
    EXPECT_TRUE(toDo().docking().blending());
    EXPECT_EQ(toDo().docking().blendValue(), 220);
    EXPECT_NEAR(toDo().windowOpacity(), 220 / 255.0, 0.002);
    QTest::mouseMove(view()->viewport(), rowCentre(0));
    EXPECT_EQ(toDo().docking().blendValue(), 230);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(view()->viewport(), &leave);
    EXPECT_EQ(toDo().docking().blendValue(), 225);
    EXPECT_NEAR(toDo().windowOpacity(), 225 / 255.0, 0.002);
}

TEST_F(FormToDoTest, EditAndDeleteWantASelectedItem)
{
    start(kNoAutostart, "0a\r\n0b\r\n0c\r\n");
    toDo().showWindow();
    inToDo<QAction>("ActionRemove")->trigger();
    item("NEdit")->trigger();
    EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("Select some menu item please ;)"),
                                             QStringLiteral("Select some menu item please ;)")}));
    EXPECT_TRUE(dialogs.ran.isEmpty());

    view()->setCurrentIndex(view()->model()->index(1, 0));
    item("Delete1")->trigger(); // no question asked
    EXPECT_EQ(itemTexts(), (QStringList{QStringLiteral("a"), QStringLiteral("c")}));
    EXPECT_EQ(listFile(), "0a\r\n0c\r\n");
    EXPECT_EQ(toDo().windowTitle(), u"To-Do List: 2");
    EXPECT_EQ(messages.shown.size(), 2);
}

TEST_F(FormToDoTest, KeysAddTickAndClose)
{
    start(kNoAutostart, "0a\r\n0b\r\n");
    toDo().showWindow();
    activate(toDo());
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_Insert);
    EXPECT_EQ(dialogs.ran, QStringList{QStringLiteral("ToDoEditForm")});

    view()->setCurrentIndex(view()->model()->index(1, 0));
    QTest::keyClick(view(), Qt::Key_Space);
    EXPECT_EQ(listFile(), "0a\r\n1b\r\n"); // on disk at once
    QTest::keyClick(view(), Qt::Key_Space);
    EXPECT_EQ(listFile(), "0a\r\n0b\r\n");

    QTest::keyClick(view(), Qt::Key_Delete);
    EXPECT_EQ(listFile(), "0a\r\n");

    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_FALSE(toDo().isVisible());
    toDo().showWindow();
    QTest::keyClick(&toDo(), Qt::Key_Escape);
    EXPECT_FALSE(toDo().isVisible());
}

TEST_F(FormToDoTest, ButtonsAddOpenTheOptionsAndCloseAndSayWhatTheyAre)
{
    start(kNoAutostart);
    toDo().showWindow();
    for (const char *name : {"SpeedButton1", "SpeedButton2", "SpeedButton3"}) {
        auto *button = inToDo<QToolButton>(name);
        EXPECT_FALSE(button->accessibleName().isEmpty()) << name;
        EXPECT_EQ(button->size(), QSize(23, 22)) << name;
        button->click();
    }
    EXPECT_EQ(dialogs.ran, (QStringList{QStringLiteral("ToDoEditForm"), QStringLiteral("Configuration")}));
    EXPECT_FALSE(toDo().isVisible());
    EXPECT_EQ(inToDo("PanelTop")->height(), 25);
}

TEST_F(FormToDoTest, DeactivationWritesThePlacementAndTheMainWindowsCount)
{
    start(kNoAutostart, "0a\r\n0b\r\n");
    EXPECT_EQ(label14(), u"Common To-Does :");
    toDo().showWindow();
    QCoreApplication::processEvents();
    toDo().move(120, 80);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&toDo(), &deactivate);
    const QRect frame = toDo().frameGeometry();
    const QByteArray placement = "[ToDo Form]\r\nLeft=120\r\nTop=80\r\nWidth=" + QByteArray::number(frame.width())
                                 + "\r\nHeight=" + QByteArray::number(frame.height()) + "\r\n";
    EXPECT_TRUE(ini().contains(placement)) << ini().toStdString();
    EXPECT_EQ(label14(), u"To-Does . . . 2");
}

// The tool button (and menus, tray, Label14) refresh the main window's count;
// Ctrl+F1 only shows the window.
TEST_F(FormToDoTest, ToDoListCommandRefreshesTheCountCtrlF1OnlyShows)
{
    start(kNoAutostart, "0a\r\n");
    platform.hotKeysFake.press(1);
    EXPECT_TRUE(toDo().isVisible());
    EXPECT_EQ(label14(), u"Common To-Does :");
    toDo().hide();
    widget<QToolButton>("ToolButtonToDoSgow")->click();
    EXPECT_TRUE(toDo().isVisible());
    EXPECT_EQ(label14(), u"To-Does . . . 1");
    toDo().hide();
    QTest::mouseClick(widget<QLabel>("Label14"), Qt::LeftButton);
    EXPECT_TRUE(toDo().isVisible());
}

TEST_F(FormToDoTest, HidingTheMainWindowLeavesTheToDoWindowOnScreen)
{
    start();
    showStarted(); // hiding goes to the tray once its icon is there
    ASSERT_TRUE(toDo().isVisible());
    action("MinimuzeWindoe")->trigger();
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(toDo().isVisible());
}

TEST_F(FormToDoTest, ExitWritesThePlacementAndSavesTheListBeforeTheMainWindowsKeys)
{
    start(kNoAutostart, "0a\r\n");
    toDo().list().AppendToDoItem(QStringLiteral("b"));
    toDo().list().ReplaceToDoText(0, QString()); // dropped at the save at exit
    shutDown();
    EXPECT_EQ(listFile(), "0b\r\n");
    const QByteArray settings = ini();
    EXPECT_TRUE(settings.contains("[ToDo Form]\r\nLeft="));
    EXPECT_LT(settings.indexOf("[ToDo Form]"), settings.indexOf("[Application]"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FormToDoTest, FailingSavesAreReportedOnceAcrossChangesAndExit)
{
    start(kNoAutostart, "0a\r\n");
    platform.filesFake.diskFull = true;
    toDo().list().AppendToDoItem(QStringLiteral("b"));
    toDo().list().setDone(0, true);
    shutDown();
    const QStringList texts = messages.texts();
    EXPECT_EQ(texts.count(QStringLiteral("Sorry. Can not save data from To-Do list.")), 1) << texts.join(u'|').toStdString();
    EXPECT_EQ(listFile(), "0a\r\n");
}

} // namespace
