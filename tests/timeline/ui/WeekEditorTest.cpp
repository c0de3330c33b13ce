// The Timeline editor: any day's plan, chosen by its button, edited through
// "Edit Item"; the Today view catches up when it closes.
#include "TimelineFixture.h"

#include "app/ui/MainWindow.h"
#include "app/ui/TrayPlacement.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTabWidget>
#include <QHeaderView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class WeekEditorWindow : public TimelineFixture {
protected:
    void SetUp() override { writeWeek(); }

    QString pageCaption() const { return editor().findChild<QTabWidget *>(u"PageControlWeek"_qs)->tabText(0); }
    QToolButton *dayButton(const QString &day) const { return editor().findChild<QToolButton *>(u"ToolButton" + day); }
    QAction *editorMenu(const char *name) const
    {
        return editor().findChild<QMenu *>(u"PopupMenu"_qs)->findChild<QAction *>(QLatin1String(name));
    }
    // Opens the editor from the menu; `whileOpen` works it before it closes.
    void openEditor(const std::function<void(veltrano::WeekEditor &)> &whileOpen)
    {
        scripts[u"frmWeekEditor"_qs] = [this, whileOpen](QDialog &) { whileOpen(editor()); };
        action("WeekEditor1")->trigger();
    }
    // "Edit Item" answered with `text` ("Change") or left ("Cancel").
    void editItemAnswers(const QString &text, bool change)
    {
        scripts[u"frmWeekEdit"_qs] = [text, change](QDialog &dialog) { answerEntry(dialog, text, change); };
    }
};

TEST_F(WeekEditorWindow, OpensOnTodayWithTheTodayViewsRow)
{
    platform.clockFake.current = QDateTime(QDate(2026, 12, 9), QTime(14, 0)); // a Wednesday
    create();
    today().setCurrentHour(14);
    openEditor([this](WeekEditor &window) {
        EXPECT_EQ(window.windowTitle(), u"Timeline");
        EXPECT_EQ(window.size(), QSize(554, 467));
        EXPECT_EQ(window.selectedDay(), 4);
        EXPECT_EQ(pageCaption(), u"Wednesday");
        EXPECT_EQ(window.grid()->currentHour(), 14);
        EXPECT_EQ(cell(*window.grid(), 14), u"Wednesday 14");
        EXPECT_EQ(cell(*window.grid(), 14, 0), u"14:00");
        EXPECT_EQ(window.grid()->verticalHeader()->defaultSectionSize(), 17);
        EXPECT_TRUE(dayButton(u"Wednesday"_qs)->isChecked());
    });
    EXPECT_EQ(dialogs.ran, QStringList{u"frmWeekEditor"_qs});
}

TEST_F(WeekEditorWindow, DayButtonsTopToBottomWithAHandCursorAndTheSaturdaySpelling)
{
    create();
    editor().show();
    QStringList captions;
    int previousTop = -1;
    for (const QString &day : {u"Monday"_qs, u"Tuesday"_qs, u"Wednesday"_qs, u"Thursday"_qs, u"Friday"_qs,
                               u"Saturday"_qs, u"Sunday"_qs}) {
        QToolButton *button = dayButton(day);
        ASSERT_NE(button, nullptr) << day.toStdString();
        EXPECT_EQ(button->text(), day);
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_GT(button->y(), previousTop);
        previousTop = button->y();
        button->click();
        captions << pageCaption();
    }
    EXPECT_EQ(captions, (QStringList{u"Monday"_qs, u"Tuesday"_qs, u"Wednesday"_qs, u"Thursday"_qs, u"Friday"_qs,
                                     u"Satuday"_qs, u"Sunday"_qs}));
}

// A screen reader works a day button through its one action, "Toggle" (Qt's
// for a button that stays down): it must choose the day as a click does,
// also the day already chosen, which is read again and stays chosen.
TEST_F(WeekEditorWindow, ScreenReaderActionsOnTheDayButtonsChooseTheDay)
{
    create();
    openEditor([this](WeekEditor &window) {
        const auto act = [](QToolButton *button, const QString &action) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(button);
            ASSERT_TRUE(face && face->actionInterface());
            ASSERT_TRUE(face->actionInterface()->actionNames().contains(action));
            face->actionInterface()->doAction(action);
        };
        act(dayButton(u"Friday"_qs), QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(window.selectedDay(), 6);
        EXPECT_EQ(pageCaption(), u"Friday");
        EXPECT_EQ(cell(*window.grid(), 9), u"Friday 9");
        EXPECT_TRUE(dayButton(u"Friday"_qs)->isChecked());
        EXPECT_FALSE(dayButton(u"Tuesday"_qs)->isChecked());

        writeDay(u"Friday"_qs, {u"changed on disk"_qs});
        act(dayButton(u"Friday"_qs), QAccessibleActionInterface::toggleAction());
        EXPECT_TRUE(dayButton(u"Friday"_qs)->isChecked());
        EXPECT_EQ(cell(*window.grid(), 0), u"changed on disk");

        act(dayButton(u"Saturday"_qs), QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(window.selectedDay(), 7);
        EXPECT_EQ(pageCaption(), u"Satuday");
        EXPECT_FALSE(dayButton(u"Friday"_qs)->isChecked());
    });
}

// Qt's button for the days that do not fit is read out by name too.
TEST_F(WeekEditorWindow, TheDaysBarsExtensionButtonHasAName)
{
    create();
    auto *more = editor().findChild<QToolBar *>(u"ToolBar1"_qs)->findChild<QToolButton *>(u"qt_toolbar_ext_button"_qs);
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(more)->text(QAccessible::Name), u"More days");
}

TEST_F(WeekEditorWindow, SaturdayShowsAndWritesTheSaturdayFile)
{
    create();
    editItemAnswers(u"Market"_qs, true);
    openEditor([this](WeekEditor &window) {
        dayButton(u"Saturday"_qs)->click();
        EXPECT_EQ(window.selectedDay(), 7);
        EXPECT_EQ(cell(*window.grid(), 10), u"Saturday 10");
        window.grid()->setCurrentHour(10);
        editorMenu("Edit1")->trigger();
    });
    EXPECT_EQ(dayLines(u"Saturday"_qs).at(10), u"Market");
}

// Neither the edit nor the hourly refresh crosses between the two views.
TEST_F(WeekEditorWindow, AnotherDaysEditLeavesTheTodayViewAlone)
{
    create();
    const QString before = cell(today(), 9);
    editItemAnswers(u"Review"_qs, true);
    openEditor([this](WeekEditor &window) {
        dayButton(u"Friday"_qs)->click();
        window.grid()->setCurrentHour(9);
        tick(main().hourTimer());
        EXPECT_EQ(window.selectedDay(), 6);
        EXPECT_EQ(pageCaption(), u"Friday");
        QTest::keyClick(window.grid(), Qt::Key_Return);
    });
    EXPECT_EQ(dayLines(u"Friday"_qs).at(9), u"Review");
    EXPECT_EQ(cell(today(), 9), before);
    EXPECT_EQ(timeline().shownDay(), kTuesday);
}

TEST_F(WeekEditorWindow, TodaysEditShowsInTheTodayViewOnceClosed)
{
    create();
    editItemAnswers(u"Dentist"_qs, true);
    openEditor([this](WeekEditor &window) {
        window.grid()->setCurrentHour(11);
        editorMenu("Edit1")->trigger();
    });
    EXPECT_EQ(cell(today(), 11), u"Dentist");
}

TEST_F(WeekEditorWindow, CleaningAllEmptiesTheDayWithoutAQuestion)
{
    create();
    openEditor([this](WeekEditor &window) {
        dayButton(u"Monday"_qs)->click();
        editorMenu("All1")->trigger();
        EXPECT_EQ(cell(*window.grid(), 5), QString());
    });
    EXPECT_EQ(dir.read(u"Week/Monday.txt"_qs), QByteArray("\r\n").repeated(24));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(WeekEditorWindow, DeleteOffersAnEmptyEntryAndEmptiesOnlyOnChange)
{
    create();
    QStringList presets;
    scripts[u"frmWeekEdit"_qs] = [&](QDialog &dialog) {
        presets << preset(dialog);
        answerEntry(dialog, preset(dialog), presets.size() == 2);
    };
    openEditor([this](WeekEditor &window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.grid()->setCurrentHour(3);
        QTest::keyClick(window.grid(), Qt::Key_Delete);
        EXPECT_EQ(cell(*window.grid(), 3), u"Tuesday 3");
        editorMenu("Delete1")->trigger();
    });
    EXPECT_EQ(presets, (QStringList{QString(), QString()}));
    EXPECT_EQ(dayLines(u"Tuesday"_qs).at(3), QString());
}

TEST_F(WeekEditorWindow, FailedSaveKeepsEditItemOpenWithTheStoresMessage)
{
    create();
    QFile::setPermissions(dir.file(u"Week/Thursday.txt"_qs), QFileDevice::ReadOwner);
    bool stillOpen = false;
    scripts[u"frmWeekEdit"_qs] = [&](QDialog &dialog) {
        dialog.show();
        answerEntry(dialog, u"Call"_qs, true);
        stillOpen = dialog.isVisible();
        answerEntry(dialog, QString(), false);
    };
    openEditor([this](WeekEditor &window) {
        dayButton(u"Thursday"_qs)->click();
        editorMenu("Edit1")->trigger();
        EXPECT_EQ(cell(*window.grid(), 0), u"Call");
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(u"Cannot create file \"")) << messages.texts().first().toStdString();
    EXPECT_EQ(dayLines(u"Thursday"_qs).at(0), u"Thursday 0");
}

TEST_F(WeekEditorWindow, EscapeInTheGridClosesIt)
{
    create();
    editor().show();
    editor().grid()->setFocus();
    QTest::keyClick(editor().grid(), Qt::Key_Escape);
    EXPECT_FALSE(editor().isVisible());
}

// Main menu, tool bar, tray menu and the Today view's menu all open it.
TEST_F(WeekEditorWindow, EveryEntryPointOpensIt)
{
    create();
    showStarted(); // the tray menu comes with the tray icon
    action("WeekEditor1")->trigger();
    widget<QToolButton>("ToolButton7")->click();
    program->tray().trayMenu()->findChild<QMenu *>(u"TrayDirection1"_qs)->actions().at(1)->trigger();
    main().findChild<QMenu *>(u"PopupMenuToday"_qs)->findChild<QAction *>(u"Edit1"_qs)->trigger();
    EXPECT_EQ(dialogs.ran, QStringList(4, u"frmWeekEditor"_qs));
}

} // namespace
