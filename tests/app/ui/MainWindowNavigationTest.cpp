#include "app/ui/MainWindow.h"
#include "common/logic/SettingsStore.h"
#include "projects/ui/ProjectNotePage.h"
#include "support/AssembledProgram.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class MainFormNavigation : public AssembledProgram {
protected:
    MainWindow &create(const QByteArray &ini = {})
    {
        form = &AssembledProgram::create(ini);
        return *form;
    }
    QTabWidget *pages() const { return widget<QTabWidget>("PageControlTabManager"); }
    QStringList visibleTabs() const
    {
        QStringList names;
        for (int i = 0; i < pages()->count(); ++i) {
            if (pages()->isTabVisible(i))
                names << pages()->widget(i)->objectName();
        }
        return names;
    }
    QStringList tickedObjects() const
    {
        QStringList names;
        for (const char *name : {"oday1", "Projects1", "Structures1", "MyPage1", "asks1", "Notes1", "Contacts1"}) {
            if (action(name)->isChecked())
                names << QLatin1String(name);
        }
        return names;
    }
    void click(QWidget *target)
    {
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }
    void moveOver(QWidget *target)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }

    MainWindow *form = nullptr;
};

} // namespace

TEST_F(MainFormNavigation, OpensOnTodayWithOneTabAndTheTodayTick)
{
    create();
    EXPECT_EQ(pages()->count(), 7);
    EXPECT_EQ(visibleTabs(), QStringList{QStringLiteral("TabSheetToday")});
    EXPECT_EQ(tickedObjects(), QStringList{QStringLiteral("oday1")});
    EXPECT_EQ(form->panelMenuState().selectedItem(), 1u);
    EXPECT_EQ(form->panelMenuState().hoveredItem(), 0u);
    EXPECT_FALSE(widget("Label4")->isVisibleTo(form));
    EXPECT_FALSE(widget("Label4")->isEnabled());
    EXPECT_FALSE(widget("Label8")->isVisibleTo(form));
    EXPECT_TRUE(widget("Label7")->isVisibleTo(form));
    EXPECT_FALSE(action("Structures1")->isVisible());
}

TEST_F(MainFormNavigation, PanelMenuAndObjectsItemsSwitchPageTickAndSelection)
{
    create();
    form->show();
    click(widget("Label7"));
    EXPECT_EQ(visibleTabs(), QStringList{QStringLiteral("TabSheetTasks")});
    EXPECT_EQ(pages()->currentWidget()->objectName(), QStringLiteral("TabSheetTasks"));
    EXPECT_EQ(tickedObjects(), QStringList{QStringLiteral("asks1")});
    EXPECT_EQ(form->panelMenuState().selectedItem(), 5u);

    action("Projects1")->trigger();
    EXPECT_EQ(visibleTabs(), QStringList{QStringLiteral("TabSheetProjects")});
    EXPECT_EQ(tickedObjects(), QStringList{QStringLiteral("Projects1")});
    EXPECT_EQ(form->panelMenuState().selectedItem(), 2u);

    click(widget("Image2")); // the picture answers like the caption
    EXPECT_EQ(visibleTabs(), QStringList{QStringLiteral("TabSheetToday")});
    EXPECT_EQ(tickedObjects(), QStringList{QStringLiteral("oday1")});
    EXPECT_EQ(form->panelMenuState().selectedItem(), 1u);
}

TEST_F(MainFormNavigation, ShowProjectsDoesNothingWhenItsTabIsShown)
{
    create();
    action("ActionShowProjects")->trigger();
    ASSERT_EQ(visibleTabs(), QStringList{QStringLiteral("TabSheetProjects")});
    action("oday1")->setChecked(true); // a stray tick that only a real switch would clear
    action("ActionShowProjects")->trigger();
    EXPECT_EQ(visibleTabs(), QStringList{QStringLiteral("TabSheetProjects")});
    EXPECT_EQ(tickedObjects(), (QStringList{QStringLiteral("oday1"), QStringLiteral("Projects1")}));

    // Choosing the ticked item again keeps its tick.
    action("oday1")->setChecked(false);
    action("Projects1")->trigger();
    EXPECT_EQ(tickedObjects(), QStringList{QStringLiteral("Projects1")});
}

TEST_F(MainFormNavigation, BarTogglesReachTheSettingsFileAtOnce)
{
    create();
    form->show();
    action("MainToolBar1")->trigger();
    EXPECT_TRUE(ini().contains("Main=0"));
    EXPECT_FALSE(widget("MainToolBar")->isVisible());
    action("BottomToolBar1")->trigger();
    EXPECT_TRUE(ini().contains("Bottom=0"));
    EXPECT_FALSE(widget("PanelCommon")->isVisible());
    action("StatusBar1")->trigger();
    EXPECT_TRUE(ini().contains("Status=0"));
    EXPECT_FALSE(widget("MainStatusBar")->isVisible());

    for (const char *name : {"MainToolBar1", "BottomToolBar1", "StatusBar1"})
        action(name)->trigger();
    EXPECT_TRUE(ini().contains("Main=1"));
    EXPECT_TRUE(ini().contains("Bottom=1"));
    EXPECT_TRUE(ini().contains("Status=1"));
    EXPECT_TRUE(widget("MainToolBar")->isVisible());
    EXPECT_TRUE(widget("PanelConsole")->isVisible());
    EXPECT_TRUE(widget("MainStatusBar")->isVisible());
}

TEST_F(MainFormNavigation, BarsComeFromTheSettingsFile)
{
    create("[ToolBars]\r\nMain=1\r\nBottom=0\r\nStatus=0\r\n");
    form->show();
    EXPECT_TRUE(action("MainToolBar1")->isChecked());
    EXPECT_FALSE(action("BottomToolBar1")->isChecked());
    EXPECT_FALSE(action("StatusBar1")->isChecked());
    EXPECT_TRUE(widget("MainToolBar")->isVisible());
    EXPECT_FALSE(widget("PanelCommon")->isVisible());
    EXPECT_FALSE(widget("MainStatusBar")->isVisible());
}

// The test screen (800 x 600) has no room for "Very Large": it gets what
// the screen has.
TEST_F(MainFormNavigation, DefaultSizeFromVeryLargeIs640By450Centred)
{
    create();
    form->show();
    QCoreApplication::processEvents(); // framed
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    action("VeryLargeSize1")->trigger();
    EXPECT_EQ(form->frameGeometry().size(), QSize(815, 616).boundedTo(area.size()));
    EXPECT_TRUE(area.contains(form->frameGeometry()));
    action("DefaultSize1")->trigger();
    EXPECT_EQ(form->frameGeometry().size(), QSize(640, 450));
    const QPoint desk = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((form->frameGeometry().center() - desk).manhattanLength(), 2);
    action("LargeSize1")->trigger();
    EXPECT_EQ(form->frameGeometry().size(), QSize(740, 567));
}

TEST_F(MainFormNavigation, TodayGridFollowsTheWindowSize)
{
    create();
    form->show();
    action("VeryLargeSize1")->trigger();
    auto *grid = widget<QTableWidget>("StringGrid");
    // Column 1 takes what the viewport leaves beside column 0.
    EXPECT_EQ(grid->columnWidth(0) + grid->columnWidth(1), grid->viewport()->width());
    const int rows = grid->height() >= 450 ? grid->height() / 26 : 16;
    EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), rows);
}

TEST_F(MainFormNavigation, HoverFrameFollowsTheItemsAndClearsOnTheStrips)
{
    create();
    moveOver(widget("Image2"));
    EXPECT_EQ(form->panelMenuState().hoveredItem(), 1u);
    moveOver(widget("Label7"));
    EXPECT_EQ(form->panelMenuState().hoveredItem(), 5u);
    moveOver(widget("ImageCommon"));
    EXPECT_EQ(form->panelMenuState().hoveredItem(), 0u);
    moveOver(widget("Label3"));
    EXPECT_EQ(form->panelMenuState().hoveredItem(), 2u);
    moveOver(widget("PaintBoxMenu"));
    EXPECT_EQ(form->panelMenuState().hoveredItem(), 0u);
    EXPECT_EQ(form->panelMenuState().selectedItem(), 1u); // hovering never selects
}

// A fast pointer leaves the panel without crossing the strips at its edges.
TEST_F(MainFormNavigation, HoverFrameGoesWhenThePointerJumpsOutOfThePanel)
{
    create();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    QWidget *item = widget("Label7");
    QTest::mouseMove(item, item->rect().center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->panelMenuState().hoveredItem() == 5u; }, 2000));
    QWidget *grid = widget("StringGrid");
    QTest::mouseMove(grid, grid->rect().center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->panelMenuState().hoveredItem() == 0u; }, 2000));
    EXPECT_EQ(form->panelMenuState().selectedItem(), 1u);
}

TEST_F(MainFormNavigation, HintsShowTheirLongPartInTheStatusBar)
{
    create();
    form->show();
    auto *panel = widget<QLabel>("StatusPanelHint");
    auto *button = widget("ToolButton7");
    EXPECT_EQ(button->toolTip(), QStringLiteral("Timeline..."));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), button->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(panel->text(), QStringLiteral("Shows my time-table"));

    action("ActionDeduviClockFormShow")->showStatusText(form->menuBar());
    EXPECT_EQ(panel->text(), QStringLiteral("Shows Deduvi clock..."));
    action("CloseApp")->showStatusText(form->menuBar());
    EXPECT_EQ(panel->text(), QStringLiteral("Exit..."));
}

TEST_F(MainFormNavigation, CurrentProjectLabelShowsItsCaptionAsHint)
{
    create();
    QLabel *label = program->projects().notePage().currentProject(); // built when first asked for
    EXPECT_EQ(label->text(), QStringLiteral("..."));
    label->setText(QStringLiteral("Projects Group\\Alpha\\Beta\\"));
    moveOver(label);
    EXPECT_EQ(label->toolTip(), QStringLiteral("Projects Group\\Alpha\\Beta\\"));
}

TEST_F(MainFormNavigation, AlarmControlsComeFromAndGoBackToTheSettings)
{
    create("[MainForm]\r\nAlarm1Sound=/music/bell.wav\r\nAlarm1Time=7:30:00\r\nAlarm1Checked=1\r\n");
    main().choosePage(Page::Tasks);
    EXPECT_EQ(widget<QLineEdit>("EditSound")->text(), QStringLiteral("/music/bell.wav"));
    EXPECT_TRUE(widget<QLineEdit>("EditSound")->isReadOnly());
    EXPECT_EQ(widget<QLineEdit>("MaskEditAlarmClock")->text(), QStringLiteral("7:30:00"));
    EXPECT_TRUE(widget<QCheckBox>("CheckBoxAlarmClock")->isChecked());

    widget<QLineEdit>("MaskEditAlarmClock")->setText(QStringLiteral("8:15:00"));
    widget<QCheckBox>("CheckBoxAlarmClock")->setChecked(false);
    shutDown();
    SettingsStore after(platform.filesFake, platform.codec, dir.file(QStringLiteral("PM.INI")), {});
    EXPECT_EQ(after.readString(QStringLiteral("MainForm"), QStringLiteral("Alarm1Time"), {}), QStringLiteral("8:15:00"));
    EXPECT_FALSE(after.readBool(QStringLiteral("MainForm"), QStringLiteral("Alarm1Checked"), true));
    EXPECT_EQ(after.readString(QStringLiteral("MainForm"), QStringLiteral("Alarm1Sound"), {}),
              QStringLiteral("/music/bell.wav"));
}

TEST_F(MainFormNavigation, NoteMenuWorksOnTheNote)
{
    create();
    QTextEdit *note = program->projects().notePage().editor();
    EXPECT_EQ(note->toPlainText(), QStringLiteral("Project Info... :)"));
    action("SelectAll1")->trigger();
    EXPECT_EQ(note->textCursor().selectedText(), QStringLiteral("Project Info... :)"));
}

TEST_F(MainFormNavigation, ExitButtonAndShowHelpShortcutRunTheirActions)
{
    create();
    form->show();
    QSignalSpy exits(action("CloseApp"), &QAction::triggered);
    click(widget("SpeedButtonExit"));
    EXPECT_EQ(exits.count(), 1);

    QAction *index = action("Index1");
    EXPECT_FALSE(index->isVisible());
    QSignalSpy help(action("ShowHelp"), &QAction::triggered);
    QApplication::setActiveWindow(form);
    QTest::keyClick(form->window(), Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
}

// The to-do window comes with every showing unless the flag is off.
TEST_F(MainFormNavigation, ShowingAgainReturnsToToday)
{
    create();
    QSignalSpy toDo(action("FastToDoListShow"), &QAction::triggered);
    QSignalSpy started(&frame(), &MainFrame::started);
    form->show();
    EXPECT_EQ(toDo.count(), 0); // the first time, after the main window's first frame
    ASSERT_TRUE(QTest::qWaitFor([&] { return started.count() > 0; }, 5000));
    EXPECT_EQ(toDo.count(), 1);
    click(widget("Label7"));
    form->hide();
    form->show();
    EXPECT_EQ(visibleTabs(), QStringList{QStringLiteral("TabSheetToday")});
    EXPECT_EQ(form->panelMenuState().selectedItem(), 1u);
    EXPECT_EQ(toDo.count(), 2);
    EXPECT_TRUE(widget<QLineEdit>("MainEditCmd")->text().isEmpty());
}

TEST_F(MainFormNavigation, ToDoAutostartOffLeavesTheToDoWindowAlone)
{
    create("[Common]\r\nTo-Do Autostart=0\r\n");
    QSignalSpy toDo(action("FastToDoListShow"), &QAction::triggered);
    form->show();
    form->hide();
    form->show();
    EXPECT_EQ(toDo.count(), 0);
}

TEST_F(MainFormNavigation, ResizingFitsTheAlarmLinesAndKeepsTheWorklistWidth)
{
    create();
    form->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(widget("PanelAdditional")->width(), 252);
    action("asks1")->trigger();
    for (const QSize size : {QSize(640, 450), QSize(815, 616)}) {
        form->resize(size);
        QCoreApplication::processEvents();
        const int expected = widget("TabSheetTasks")->width() - 7;
        for (const char *name : {"Bevel1", "Bevel2", "Bevel3", "Bevel4", "Bevel5"})
            EXPECT_EQ(widget(name)->width(), expected) << name;
    }
    EXPECT_EQ(widget("PanelAdditional")->width(), 252); // growing again gives the width back
}

TEST_F(MainFormNavigation, PresetRightAfterShowingIsNotUndoneByTheStartupSize)
{
    create();
    form->show();
    action("DefaultSize1")->trigger();
    QTest::qWait(50); // the start-up size correction runs from the event loop
    EXPECT_EQ(form->frameGeometry().size(), QSize(640, 450));
}

// A page's content joins the window's layout the first time the page shows,
// and then fills its sheet like the page shown from the start.
TEST_F(MainFormNavigation, HiddenPageContentFillsItsSheetWhenFirstShown)
{
    create();
    form->show();
    QWidget *sheet = widget("TabSheetTasks");
    ASSERT_FALSE(sheet->isVisible());
    click(widget("Label7")); // Wake Up!
    QCoreApplication::processEvents();
    ASSERT_TRUE(sheet->isVisible());
    const QList<QWidget *> content = sheet->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(content.size(), 1);
    EXPECT_TRUE(content.first()->isVisible());
    EXPECT_EQ(content.first()->geometry(), sheet->rect());
}
