#include "clocks/ui/ClocksFeature.h"

#include "clocks/logic/AlarmClock.h"
#include "clocks/ui/ClockWindow.h"
#include "support/AssembledProgram.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class ClocksFeatureTest : public AssembledProgram {
protected:
    ClocksFeatureTest() { platform.clockFake.current = QDateTime(QDate(2026, 12, 8), QTime(7, 29, 58)); }
    // Each tick comes from the main window's own timer, made quick: the
    // fake clock decides which second it is.
    void tick(int times = 1)
    {
        main().secondTimer().setInterval(2);
        for (int i = 0; i < times; ++i) {
            platform.clockFake.advanceSeconds(1);
            QSignalSpy ticked(&main().secondTimer(), &QTimer::timeout);
            ASSERT_TRUE(ticked.wait(2000));
        }
    }
    ClockWindow *clockWindow() const
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *clock = qobject_cast<ClockWindow *>(window))
                return clock;
        return nullptr;
    }
};

} // namespace

TEST_F(ClocksFeatureTest, SoundFolderPicksTheFileThroughTheFileDialog)
{
    create("[MainForm]\r\nAlarm1Sound=/music/old.wav\r\n");
    main().choosePage(Page::Tasks);
    dir.write(QStringLiteral("bell.mid"), "MThd");
    QStringList filters;
    dialogs.answer = [&](QDialog &dialog) {
        auto &picker = dynamic_cast<QFileDialog &>(dialog);
        filters = picker.nameFilters();
        EXPECT_EQ(picker.fileMode(), QFileDialog::ExistingFile);
        picker.selectFile(dir.file(QStringLiteral("bell.mid")));
    };
    dialogs.results = {QDialog::Rejected};
    widget<QPushButton>("Button1")->click();
    EXPECT_EQ(widget<QLineEdit>("EditSound")->text(), QStringLiteral("/music/old.wav")); // cancelled
    EXPECT_EQ(dialogs.ran, QStringList{QStringLiteral("OpenDialogSound")});
    ASSERT_EQ(filters.size(), 1);
    EXPECT_TRUE(filters[0].startsWith(QStringLiteral("mid, wav, avi, mp3 (*.mid *.wav *.avi *.mp3"))) << filters[0].toStdString();

    dialogs.results = {QDialog::Accepted};
    widget<QPushButton>("Button1")->click();
    EXPECT_EQ(widget<QLineEdit>("EditSound")->text(), dir.file(QStringLiteral("bell.mid")));
    shutDown();
    EXPECT_TRUE(ini().contains(QByteArray("Alarm1Sound=" + dir.file(QStringLiteral("bell.mid")).toUtf8() + "\r\n")));
}

// The "Wake Up!" page is built when it first shows; the alarm rings without it.
TEST_F(ClocksFeatureTest, TheAlarmRingsWithItsPageNeverOpened)
{
    create("[MainForm]\r\nAlarm1Time=7:30:00\r\nAlarm1Checked=1\r\n");
    showStarted();
    tick(3);
    EXPECT_EQ(platform.trayFake.balloons.last().text, QStringLiteral("WakeUP!"));
    EXPECT_EQ(main().findChild<QCheckBox *>(QStringLiteral("CheckBoxAlarmClock")), nullptr);
}

TEST_F(ClocksFeatureTest, SleepModeUnticksTheAlarmAndItIsWrittenSoAtExit)
{
    create("[MainForm]\r\nAlarm1Time=7:30:00\r\nAlarm1Checked=1\r\n");
    program->clocks().disableAlarm(); // before its page was ever shown
    showStarted();
    tick(4);
    ASSERT_EQ(platform.trayFake.balloons.size(), 1);
    EXPECT_EQ(platform.trayFake.balloons[0].title, QStringLiteral("Veltrano")); // the greeting only
    main().choosePage(Page::Tasks);
    EXPECT_FALSE(widget<QCheckBox>("CheckBoxAlarmClock")->isChecked());
    shutDown();
    EXPECT_TRUE(ini().contains("Alarm1Checked=0\r\n"));
}

TEST_F(ClocksFeatureTest, TheOneSecondTimerDrivesThePageTheTrayAndTheAlarm)
{
    create("[MainForm]\r\nAlarm1Time=7:30:00\r\nAlarm1Checked=1\r\n");
    main().show();
    main().choosePage(Page::Tasks);
    // From creation on, before any tick: the time, the date and today's picture.
    EXPECT_EQ(widget<QLabel>("LabelTime")->text(), QStringLiteral("7:29:58"));
    EXPECT_EQ(widget<QLabel>("Label15")->text(), QStringLiteral("08.12.2026"));
    EXPECT_EQ(program->clocks().alarmClock().lastTrayDay(), 8);
    const int pictures = platform.trayFake.iconChanges;

    tick(3);
    EXPECT_EQ(widget<QLabel>("LabelTime")->text(), QStringLiteral("7:30:01"));
    // A page out of sight catches up as soon as it is seen again.
    main().choosePage(Page::Today);
    tick();
    main().choosePage(Page::Tasks);
    EXPECT_EQ(widget<QLabel>("LabelTime")->text(), QStringLiteral("7:30:02"));
    ASSERT_EQ(platform.trayFake.balloons.size(), 2);
    EXPECT_EQ(platform.trayFake.balloons.last().text, QStringLiteral("WakeUP!"));
    EXPECT_EQ(platform.trayFake.iconChanges, pictures);

    platform.clockFake.current = QDateTime(QDate(2026, 12, 8), QTime(23, 59, 59));
    tick();
    EXPECT_EQ(program->clocks().alarmClock().lastTrayDay(), 9);
    EXPECT_EQ(platform.trayFake.iconChanges, pictures + 1);
}

TEST_F(ClocksFeatureTest, ShiftF1AndTheMenuShowTheDeskClockOwnedByTheDesktop)
{
    create();
    for (const QWidget *window : QApplication::topLevelWidgets())
        EXPECT_NE(window->objectName(), QStringLiteral("frmClock")); // made when first shown
    platform.hotKeysFake.press(2);
    ClockWindow *clock = clockWindow();
    EXPECT_TRUE(clock->isVisible());
    EXPECT_EQ(clock->parentWidget(), nullptr);
    EXPECT_EQ(clock->windowTitle(), QStringLiteral("Deduvi Clock"));
    clock->close();
    EXPECT_FALSE(clock->isVisible());
    action("ActionDeduviClockFormShow")->trigger();
    EXPECT_TRUE(clock->isVisible());
    EXPECT_EQ(clockWindow(), clock);
    EXPECT_TRUE(main().isHidden()); // the clock shows alone
}

// "7:30" never equals the clock's "7:30:00": leaving the edit writes it the
// clock's way, so it rings; a text that is no time is pointed out, once.
TEST_F(ClocksFeatureTest, TheAlarmTimeIsWrittenTheClocksWayWhenTheEditIsLeft)
{
    create("[MainForm]\r\nAlarm1Checked=1\r\n");
    showStarted();
    main().choosePage(Page::Tasks);
    auto *edit = widget<QLineEdit>("MaskEditAlarmClock");
    EXPECT_EQ(edit->placeholderText(), QStringLiteral("7:30:00"));
    const qsizetype told = messages.shown.size(); // the start's own

    edit->setText(QStringLiteral("7:30"));
    emit edit->editingFinished();
    EXPECT_EQ(edit->text(), QStringLiteral("7:30:00"));
    EXPECT_EQ(messages.shown.size(), told);
    tick(3);
    ASSERT_FALSE(platform.trayFake.balloons.isEmpty());
    EXPECT_EQ(platform.trayFake.balloons.last().text, QStringLiteral("WakeUP!"));

    edit->setText(QStringLiteral("7:3O"));
    emit edit->editingFinished();
    emit edit->editingFinished();
    EXPECT_EQ(edit->text(), QStringLiteral("7:3O"));
    ASSERT_EQ(messages.shown.size(), told + 1);
    EXPECT_EQ(messages.shown.last().kind, QStringLiteral("notice"));
    EXPECT_TRUE(messages.shown.last().text.contains(QStringLiteral("\"7:3O\"")));
    shutDown();
    EXPECT_TRUE(ini().contains("Alarm1Time=7:3O\r\n")); // kept as typed
}
