#include "clocks/logic/AlarmClock.h"

#include "platform/fake/FakePlatform.h"
#include "support/FakeMessageBoxes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

// Every tick of the one-second timer, on a fake clock that tests move on.
class AlarmClockTest : public ::testing::Test {
protected:
    AlarmClockTest()
    {
        platform.formatsFake.timeFormat = QStringLiteral("h:mm:ss");
        setNow(QTime(7, 29, 58, 400));
        alarm = std::make_unique<AlarmClock>(services(), [this](int day) { trayDays << day; });
    }
    AlarmServices services()
    {
        return {platform.clockFake, platform.formatsFake, platform.filesFake,
                platform.soundFake, platform.trayFake,    messages};
    }
    void setNow(QTime time, QDate date = QDate(2026, 12, 8)) { platform.clockFake.current = QDateTime(date, time); }
    // Ticks every `stepMs` from now until `until` (inclusive).
    void tickUntil(QTime until, int stepMs = 1000)
    {
        while (platform.clockFake.current.time() <= until) {
            alarm->AlarmTick(settings);
            platform.clockFake.current = platform.clockFake.current.addMSecs(stepMs);
        }
    }
    QString soundFile(const QString &name, const QByteArray &bytes) const
    {
        dir.write(name, bytes);
        return dir.file(name);
    }
    QStringList balloonTexts() const
    {
        QStringList texts;
        for (const FakeTray::Balloon &b : platform.trayFake.balloons)
            texts << b.text;
        return texts;
    }

    TempFolder dir;
    FakePlatform platform;
    FakeMessageBoxes messages;
    QList<int> trayDays;
    AlarmSettings settings{QString(), QStringLiteral("7:30:00"), true};
    std::unique_ptr<AlarmClock> alarm;
};

} // namespace

TEST_F(AlarmClockTest, LabelsShowTheLongTimeAndTheShortDate)
{
    const AlarmClock::Labels labels = alarm->AlarmTick(settings);
    EXPECT_EQ(labels.time, QStringLiteral("7:29:58"));
    EXPECT_EQ(labels.date, QStringLiteral("08.12.2026"));
}

TEST_F(AlarmClockTest, TheTextMatchesTheLongTimeExactlyOrNever)
{
    tickUntil(QTime(7, 30, 5));
    EXPECT_EQ(balloonTexts(), QStringList{QStringLiteral("WakeUP!")});

    int day = 9;
    for (const char *never : {"07:30", "07:30:00", "7:30:00 ", " 7:30:00", "7:30", ""}) {
        platform.trayFake.balloons.clear();
        setNow(QTime(7, 29, 58, 400), QDate(2026, 12, day++));
        alarm = std::make_unique<AlarmClock>(services(), [](int) {});
        settings.time = QString::fromLatin1(never);
        tickUntil(QTime(7, 30, 5));
        EXPECT_TRUE(platform.trayFake.balloons.isEmpty()) << never;
    }
}

TEST_F(AlarmClockTest, RingsOncePerDayWhileTicked)
{
    tickUntil(QTime(7, 30, 3));
    setNow(QTime(7, 29, 59, 100), QDate(2026, 12, 9));
    tickUntil(QTime(7, 30, 3));
    EXPECT_EQ(balloonTexts().size(), 2);

    settings.enabled = false;
    setNow(QTime(7, 29, 59, 100), QDate(2026, 12, 10));
    tickUntil(QTime(7, 30, 3));
    EXPECT_EQ(balloonTexts().size(), 2);
}

TEST_F(AlarmClockTest, ATickThatSkipsTheSecondStillRingsOnce)
{
    setNow(QTime(7, 29, 59, 900));
    alarm->AlarmTick(settings);
    setNow(QTime(7, 30, 1, 100)); // 7:30:00 fell between two ticks
    alarm->AlarmTick(settings);
    setNow(QTime(7, 30, 2, 100));
    alarm->AlarmTick(settings);
    EXPECT_EQ(balloonTexts(), QStringList{QStringLiteral("WakeUP!")});
}

TEST_F(AlarmClockTest, TwoTicksInTheSameSecondRingOnce)
{
    tickUntil(QTime(7, 30, 2), 450);
    EXPECT_EQ(balloonTexts(), QStringList{QStringLiteral("WakeUP!")});
}

TEST_F(AlarmClockTest, TheClockSteppingBackDoesNotRingTheSameDayAgain)
{
    tickUntil(QTime(7, 30, 1));
    setNow(QTime(7, 29, 50)); // the clock set back ten seconds
    tickUntil(QTime(7, 30, 2));
    EXPECT_EQ(balloonTexts().size(), 1);
}

TEST_F(AlarmClockTest, AJumpOverTheAlarmReportsItMissedInsteadOfRingingLate)
{
    settings.sound = soundFile(QStringLiteral("wake.wav"), "RIFF");
    alarm->AlarmTick(settings);
    setNow(QTime(9, 15, 0)); // woke from sleep
    alarm->AlarmTick(settings);
    ASSERT_EQ(platform.trayFake.balloons.size(), 1);
    EXPECT_EQ(platform.trayFake.balloons[0].title, QStringLiteral("Alarm"));
    EXPECT_EQ(platform.trayFake.balloons[0].text, QStringLiteral("Missed alarm: 7:30:00"));
    EXPECT_TRUE(platform.soundFake.played.isEmpty());

    // A late tick within a minute is still a ring.
    setNow(QTime(7, 29, 30), QDate(2026, 12, 9));
    alarm->AlarmTick(settings);
    setNow(QTime(7, 30, 25), QDate(2026, 12, 9));
    alarm->AlarmTick(settings);
    EXPECT_EQ(platform.soundFake.played, QStringList{settings.sound});

    // A disabled alarm passed over is no missed alarm.
    settings.enabled = false;
    setNow(QTime(6, 0), QDate(2026, 12, 10));
    alarm->AlarmTick(settings);
    setNow(QTime(8, 0), QDate(2026, 12, 10));
    alarm->AlarmTick(settings);
    EXPECT_EQ(platform.trayFake.balloons.size(), 1);
}

TEST_F(AlarmClockTest, TickingTheBoxAfterTheTimeDoesNotReachBack)
{
    settings.enabled = false;
    tickUntil(QTime(7, 30, 2));
    settings.enabled = true;
    tickUntil(QTime(7, 30, 6));
    EXPECT_TRUE(platform.trayFake.balloons.isEmpty());
}

TEST_F(AlarmClockTest, TheTrayShowsTodayFromTheFirstTickAndTheNewDayWithinASecondOfMidnight)
{
    EXPECT_EQ(alarm->lastTrayDay(), 0);
    alarm->AlarmTick(settings);
    alarm->AlarmTick(settings);
    EXPECT_EQ(trayDays, QList<int>{8});

    setNow(QTime(23, 59, 59, 700));
    alarm->AlarmTick(settings);
    setNow(QTime(0, 0, 0, 700), QDate(2026, 12, 9));
    alarm->AlarmTick(settings);
    EXPECT_EQ(trayDays, (QList<int>{8, 9}));
    EXPECT_EQ(alarm->lastTrayDay(), 9);
}

TEST_F(AlarmClockTest, WithoutASoundFileOnlyTheBalloonUnderTheGreetingsTitle)
{
    settings.sound = dir.file(QStringLiteral("gone.wav"));
    tickUntil(QTime(7, 30, 1));
    EXPECT_TRUE(platform.soundFake.played.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
    ASSERT_EQ(platform.trayFake.balloons.size(), 1);
    EXPECT_EQ(platform.trayFake.balloons[0].title, QStringLiteral("Veltrano"));
    EXPECT_EQ(platform.trayFake.balloons[0].msecs, 3000);
}

TEST_F(AlarmClockTest, APlayedSoundShowsTheBalloonOnceItPlays)
{
    settings.sound = soundFile(QStringLiteral("wake.wav"), "RIFF");
    tickUntil(QTime(7, 30, 1));
    EXPECT_EQ(platform.soundFake.played, QStringList{settings.sound});
    EXPECT_TRUE(platform.trayFake.balloons.isEmpty()); // the player has not answered yet
    platform.soundFake.finish(true);
    ASSERT_EQ(platform.trayFake.balloons.size(), 1);
    EXPECT_EQ(platform.trayFake.balloons[0].title, QStringLiteral("Alarm"));
    EXPECT_EQ(platform.trayFake.balloons[0].text, QStringLiteral("WakeUP!"));
    EXPECT_TRUE(messages.shown.isEmpty());

    // The next day the file is gone: the balloon keeps the title "Alarm".
    QFile::remove(settings.sound);
    setNow(QTime(7, 29, 59), QDate(2026, 12, 9));
    tickUntil(QTime(7, 30, 1));
    ASSERT_EQ(platform.trayFake.balloons.size(), 2);
    EXPECT_EQ(platform.trayFake.balloons[1].title, QStringLiteral("Alarm"));
}

namespace {

// Notes how many balloons were out when the message came.
class OrderedMessages final : public MessageBoxes {
public:
    explicit OrderedMessages(const FakeTray &tray) : m_tray(tray) {}
    QStringList notices;
    int balloonsAtNotice = -1;
    void notice(const QString &text) override
    {
        notices << text;
        balloonsAtNotice = int(m_tray.balloons.size());
    }
    void bare(const QString &) override {}
    void error(const QString &) override {}
    void confirmNotice(const QString &) override {}
    void ask(const QString &, bool, Reply then) override { then(Answer::No); }

private:
    const FakeTray &m_tray;
};

} // namespace

TEST_F(AlarmClockTest, AnUnplayableFileGivesTheMessageThenTheBalloon)
{
    OrderedMessages ordered(platform.trayFake);
    AlarmServices withOrder = services();
    alarm = std::make_unique<AlarmClock>(AlarmServices{withOrder.clock, withOrder.formats, withOrder.files,
                                                       withOrder.sound, withOrder.tray, ordered},
                                         [](int) {});
    settings.sound = soundFile(QStringLiteral("broken.mid"), "not midi");
    tickUntil(QTime(7, 30, 1));
    platform.soundFake.finish(false);
    EXPECT_EQ(ordered.notices, QStringList{QStringLiteral("Sorry, program can not find file : ") + settings.sound});
    EXPECT_EQ(ordered.balloonsAtNotice, 0);
    ASSERT_EQ(platform.trayFake.balloons.size(), 1);
    EXPECT_EQ(platform.trayFake.balloons[0].title, QStringLiteral("Alarm"));
    EXPECT_EQ(platform.trayFake.balloons[0].text, QStringLiteral("WakeUP! Can not find alarm-file, sorry :("));
    // The alarm stays ticked and the player's late answers change nothing.
    platform.soundFake.finish(false);
    EXPECT_EQ(ordered.notices.size(), 1);
}
