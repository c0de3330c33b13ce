// The Today view: today's plan under today's name, kept fresh by its
// triggers, changed hour by hour through the Today Editor.
#include "TimelineFixture.h"

#include "app/ui/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class TodayView : public TimelineFixture {
protected:
    QString todayCaption() const
    {
        auto *pages = widget<QTabWidget>("PageControlTabManager");
        return pages->tabText(pages->indexOf(main().pageSheet(Page::Today)));
    }
    QAction *todayMenu(const char *name) const
    {
        return main().findChild<QMenu *>(QStringLiteral("PopupMenuToday"))->findChild<QAction *>(QLatin1String(name));
    }
    void rightClickRow(int row)
    {
        const QRect cell = today().visualRect(today().model()->index(row, 1));
        QTest::mousePress(today().viewport(), Qt::RightButton, {}, cell.center());
        QTest::mouseRelease(today().viewport(), Qt::RightButton, {}, cell.center());
    }
};

TEST_F(TodayView, OpensOnTodaysPlanUnderTodaysName)
{
    writeWeek();
    create();
    main().show();
    EXPECT_EQ(todayCaption(), u"Tuesday");
    EXPECT_EQ(timeline().shownDay(), kTuesday);
    EXPECT_EQ(cell(today(), 0, 0), u"0:00");
    EXPECT_EQ(cell(today(), 23, 0), u"23:00");
    EXPECT_EQ(cell(today(), 9), u"Tuesday 9");
    EXPECT_EQ(today().rowCount(), 24);
    EXPECT_EQ(today().verticalHeader()->defaultSectionSize(), 16);
    EXPECT_EQ(today().selectionBehavior(), QAbstractItemView::SelectRows);
}

// Stripes and black text whatever the selection: the current row looks like
// any other, apart from its dotted frame.
TEST_F(TodayView, RowsAreStripedAndTheSelectedRowKeepsItsStripe)
{
    writeWeek();
    create();
    main().show();
    today().setCurrentHour(1);
    ASSERT_TRUE(today().selectionModel()->isRowSelected(1, {}));
    const QImage shot = today().viewport()->grab().toImage();
    for (int row = 0; row < 4; ++row) {
        const QRect entry = today().visualRect(today().model()->index(row, 1));
        const QColor background = row % 2 ? QColor(250, 250, 250) : QColor(Qt::white);
        EXPECT_EQ(shot.pixelColor(entry.right() - 4, entry.center().y()), background) << row;
        const QRect label = today().visualRect(today().model()->index(row, 0));
        int inkLeft = label.right();
        for (int y = label.top() + 1; y < label.bottom(); ++y) {
            for (int x = label.left() + 1; x < label.right(); ++x) {
                const QColor pixel = shot.pixelColor(x, y);
                EXPECT_TRUE(pixel.red() == pixel.green() && pixel.green() == pixel.blue()) << row << " " << x;
                if (pixel.lightness() < 128)
                    inkLeft = std::min(inkLeft, x);
            }
        }
        EXPECT_GE(inkLeft, label.left() + 1) << row;
        EXPECT_LE(inkLeft, label.left() + 3) << row;
    }
}

TEST_F(TodayView, MissingDayFileShowsNoneInEveryRowWithoutAMessage)
{
    create();
    for (int hour = 0; hour < 24; ++hour)
        EXPECT_EQ(cell(today(), hour), u"none") << hour;
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("Week/Tuesday.txt"))));
}

TEST_F(TodayView, UnreadableDayFileIsReportedAndShowsNothingOfAnotherDay)
{
    writeWeek();
    platform.filesFake.unreadable << dir.file(QStringLiteral("Week/Wednesday.txt"));
    create();
    platform.clockFake.current = QDateTime(QDate(2026, 12, 9), QTime(8, 0));
    todayMenu("Update1")->trigger();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(u"Cannot open file \"")) << messages.texts().first().toStdString();
    EXPECT_EQ(cell(today(), 9), QString()); // not Tuesday's entry under Wednesday's name
}

// Enter, a double click and Ctrl+E edit the current row; "Delete..." offers
// "none" and changes nothing until it is confirmed.
TEST_F(TodayView, TodayEditorStartsFromTheRowOrFromNoneAndSavesOnlyOnChange)
{
    writeWeek();
    create();
    today().setCurrentHour(4);
    QStringList presets;
    scripts[u"frmWeekEdit1"_qs] = [&](QDialog &dialog) { presets << preset(dialog); };
    QTest::keyClick(&today(), Qt::Key_Return);
    const QRect row6 = today().visualRect(today().model()->index(6, 1));
    QTest::mouseDClick(today().viewport(), Qt::LeftButton, {}, row6.center());
    todayMenu("Edit2")->trigger();
    EXPECT_EQ(presets, (QStringList{u"Tuesday 4"_qs, u"Tuesday 6"_qs, u"Tuesday 6"_qs}));

    scripts[u"frmWeekEdit1"_qs] = [](QDialog &dialog) { answerEntry(dialog, preset(dialog), false); };
    todayMenu("Delete1")->trigger();
    EXPECT_EQ(cell(today(), 6), u"Tuesday 6");
    EXPECT_EQ(dayLines(u"Tuesday"_qs).at(6), u"Tuesday 6");

    scripts[u"frmWeekEdit1"_qs] = [](QDialog &dialog) { answerEntry(dialog, preset(dialog), true); };
    todayMenu("Delete1")->trigger();
    EXPECT_EQ(cell(today(), 6), u"none");
    EXPECT_EQ(dayLines(u"Tuesday"_qs).at(6), u"none");
    EXPECT_EQ(dayLines(u"Tuesday"_qs).size(), 24);
    EXPECT_EQ(dialogs.ran.count(u"frmWeekEdit1"_qs), 5);
}

TEST_F(TodayView, RightClickMakesTheRowUnderThePointerTheOneEdited)
{
    writeWeek();
    create();
    today().setCurrentHour(2);
    rightClickRow(15);
    scripts[u"frmWeekEdit1"_qs] = [](QDialog &dialog) { answerEntry(dialog, u"Gym"_qs, true); };
    todayMenu("Edit2")->trigger();
    EXPECT_EQ(dayLines(u"Tuesday"_qs).at(15), u"Gym");
    EXPECT_EQ(dayLines(u"Tuesday"_qs).at(2), u"Tuesday 2");
}

// The week folder is the user's once the program has run: a removed one is
// reported and never made again behind the user's back.
TEST_F(TodayView, FailedSaveIsReportedKeepsTheDialogOpenAndTheCellChanged)
{
    create();
    ASSERT_TRUE(QDir(dir.file(QStringLiteral("Week"))).removeRecursively());
    bool stillOpen = false;
    scripts[u"frmWeekEdit1"_qs] = [&](QDialog &dialog) {
        dialog.show();
        answerEntry(dialog, u"Lunch"_qs, true);
        stillOpen = dialog.isVisible();
        dialog.reject();
    };
    todayMenu("Edit2")->trigger();
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(u"Cannot create file \"" + dir.file(u"Week/Tuesday.txt"_qs)))
        << messages.texts().first().toStdString();
    EXPECT_EQ(cell(today(), 0), u"Lunch");
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("Week"))));
}

TEST_F(TodayView, DateChangeSeenByTheSecondTickRefreshesAtOnceAndTheHourlyTimerStillRuns)
{
    writeWeek();
    create();
    platform.clockFake.current = QDateTime(QDate(2026, 12, 8), QTime(23, 59, 59));
    tick(main().secondTimer());
    EXPECT_EQ(timeline().shownDay(), kTuesday);
    platform.clockFake.advanceSeconds(1);
    tick(main().secondTimer());
    EXPECT_EQ(todayCaption(), u"Wednesday");
    EXPECT_EQ(timeline().shownDay(), 4);
    EXPECT_EQ(cell(today(), 0), u"Wednesday 0");
    EXPECT_EQ(main().hourTimer().interval(), 3600000);
    EXPECT_TRUE(main().hourTimer().isActive());

    // The hourly refresh reads the file again and brings the Today page back.
    writeDay(u"Wednesday"_qs, {u"changed on disk"_qs});
    action("Projects1")->trigger();
    tick(main().hourTimer());
    EXPECT_EQ(cell(today(), 0), u"changed on disk");
    EXPECT_TRUE(widget<QTabWidget>("PageControlTabManager")->isTabVisible(int(Page::Today)));
}

// An entry typed before midnight belongs to the plan the dialog was opened
// on; the view moves on to the new day once the dialog has closed.
TEST_F(TodayView, TodayEditorConfirmedAfterMidnightWritesTheDayItWasOpenedOn)
{
    writeWeek();
    platform.clockFake.current = QDateTime(QDate(2026, 12, 8), QTime(23, 59, 30));
    create();
    today().setCurrentHour(23);
    scripts[u"frmWeekEdit1"_qs] = [this](QDialog &dialog) {
        platform.clockFake.advanceSeconds(60);
        tick(main().secondTimer());
        tick(main().hourTimer());
        answerEntry(dialog, u"Sleep"_qs, true);
    };
    todayMenu("Edit2")->trigger();
    EXPECT_EQ(dayLines(u"Tuesday"_qs).at(23), u"Sleep");
    EXPECT_EQ(dayLines(u"Wednesday"_qs).at(23), u"Wednesday 23");
    EXPECT_EQ(timeline().shownDay(), 4);
    EXPECT_EQ(cell(today(), 23), u"Wednesday 23");
}

// Every refresh keeps the entry column fitted, so no horizontal scroll bar
// comes and goes with "Update" or the hourly reload.
TEST_F(TodayView, RefreshKeepsTheEntryColumnFitted)
{
    create();
    main().show();
    QApplication::processEvents();
    const int fitted = today().columnWidth(1);
    ASSERT_NE(fitted, 420);
    todayMenu("Update1")->trigger();
    EXPECT_EQ(today().columnWidth(1), fitted);
    EXPECT_FALSE(today().horizontalScrollBar()->isVisible());
    action("oday1")->trigger();
    EXPECT_EQ(today().columnWidth(1), fitted);
    EXPECT_EQ(main().focusWidget(), &today());
}

// At the preset and the minimum size the rows need a vertical scroll bar; the
// entry column fills the room beside it, and does so in the first frame shown.
TEST_F(TodayView, EntryColumnFitsBesideTheScrollBarWithoutAHorizontalOne)
{
    for (const QByteArray &size : {QByteArray("Wid=640\r\nHei=450"), QByteArray("Wid=600\r\nHei=400")}) {
        create("[MainForm]\r\n" + size + "\r\n");
        main().show();
        QApplication::processEvents();
        ASSERT_TRUE(today().verticalScrollBar()->isVisible()) << size.constData();
        EXPECT_FALSE(today().horizontalScrollBar()->isVisible()) << size.constData();
        EXPECT_EQ(today().columnWidth(0) + today().columnWidth(1), today().viewport()->width()) << size.constData();
        EXPECT_EQ(today().verticalHeader()->defaultSectionSize(), 16);
        shutDown();
    }
}

} // namespace
