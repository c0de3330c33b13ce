#include "clocks/ui/ClockWindow.h"
#include "clocks/logic/ClockSettings.h"

#include "support/SettingsOnDisk.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTest>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class FormClockTest : public SettingsOnDisk {
protected:
    FormClockTest() { clock.current = QDateTime(QDate(2026, 12, 8), QTime(15, 0, 0, 100)); }
    ClockWindow &open(const QByteArray &ini = {})
    {
        settings = std::make_unique<SettingsStore>(store(ini));
        window = std::make_unique<ClockWindow>(*settings, clock, formats, ReadClockPosition(*settings));
        return *window;
    }
    QByteArray iniText() const { return dir.read(QStringLiteral("PM.INI")); }
    bool handsBlank() const { return window->handsPicture() == BlankClockLayer(QSize(151, 151)); }

    FakeClock clock;
    FakeRegionalFormats formats;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<ClockWindow> window;
};

// Counts the paints a widget gets.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget *watched) { watched->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

TEST_F(FormClockTest, TheWindowAsBuilt)
{
    ClockWindow &clockWindow = open();
    EXPECT_EQ(clockWindow.windowTitle(), QStringLiteral("Deduvi Clock"));
    EXPECT_EQ(clockWindow.size(), QSize(171, 187));
    EXPECT_FALSE(clockWindow.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(clockWindow.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(clockWindow.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(clockWindow.isVisible());
    auto *menu = clockWindow.findChild<QMenu *>(QStringLiteral("PopupMenuDeduviClock"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Stay On Top"));
    EXPECT_TRUE(menu->actions()[1]->isSeparator());
    EXPECT_EQ(menu->actions()[2]->text(), QStringLiteral("Close"));
    // Every control that shows no text is named for screen readers.
    for (const char *name : {"PanelClock", "Moscow", "Image1", "Image2", "Image3", "Image4", "Image5"}) {
        auto *control = clockWindow.findChild<QWidget *>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << name;
    }
}

TEST_F(FormClockTest, TheLayersShowTheDialAndHandsOverThePanel)
{
    open().show();
    const QImage shown = window->grab().toImage();
    const QPoint layer = window->findChild<QWidget *>(QStringLiteral("Image1"))->mapTo(window.get(), QPoint());
    const QColor background = window->findChild<QWidget *>(QStringLiteral("PanelClock"))->palette().window().color();
    EXPECT_EQ(shown.pixelColor(layer + QPoint(40, 110)), QColor(0, 0, 128));   // the dial
    EXPECT_EQ(shown.pixelColor(layer + QPoint(100, 75)), QColor(255, 0, 0));   // 3 o'clock
    EXPECT_EQ(shown.pixelColor(layer + QPoint(75, 5)), QColor(254, 255, 255)); // the tick at 12
    // White on both layers lets the panel show through, in every corner.
    for (const QPoint corner : {QPoint(5, 30), QPoint(30, 145), QPoint(120, 145), QPoint(145, 30)})
        EXPECT_EQ(shown.pixelColor(layer + corner), background) << corner.x() << "," << corner.y();
}

TEST_F(FormClockTest, OpensWhereItWasClosedWhenClockPositionIsOn)
{
    open("[Common]\r\nClock Position=1\r\n[Deduvi Form]\r\nLeft=300\r\nTop=200\r\n").show();
    EXPECT_EQ(window->pos(), QPoint(300, 200));
    window->move(320, 210);
    window->findChild<QAction *>(QStringLiteral("Close1"))->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(iniText().contains("[Deduvi Form]\r\nLeft=320\r\nTop=210\r\n"));
}

TEST_F(FormClockTest, OpensCentredWhenClockPositionIsOffButStillWritesItsPlace)
{
    open("[Deduvi Form]\r\nLeft=300\r\nTop=200\r\n").show();
    const QRect desk = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((window->frameGeometry().center() - desk.center()).manhattanLength(), 2);
    window->move(40, 50);
    window->close();
    EXPECT_TRUE(iniText().contains("Left=40\r\nTop=50\r\n"));
    // A later showing keeps the place where it was closed.
    window->show();
    EXPECT_EQ(window->pos(), QPoint(40, 50));
}

// Closed on a monitor since removed: it comes back whole onto the screen.
TEST_F(FormClockTest, APlaceBeyondTheScreensComesBackOntoTheNearestOne)
{
    open("[Common]\r\nClock Position=1\r\n[Deduvi Form]\r\nLeft=5000\r\nTop=200\r\n");
    EXPECT_EQ(window->pos(), QPoint(5000, 200)); // moved only when shown
    window->show();
    const QRect area = window->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->frameGeometry())) << window->frameGeometry().x();
    EXPECT_NEAR(window->frameGeometry().top(), 200, 4); // the test platform's frame
}

TEST_F(FormClockTest, EndingTheProgramWithTheClockOpenWritesNothing)
{
    open().show();
    window.reset();
    EXPECT_FALSE(iniText().contains("Deduvi Form"));
}

TEST_F(FormClockTest, AHiddenClockKeepsTimeButDrawsNothing)
{
    open();
    auto *label = window->findChild<QLabel *>(QStringLiteral("LabelTime"));
    clock.advanceSeconds(5);
    window->onTick();
    EXPECT_EQ(label->text(), QStringLiteral("15:00:05"));
    // Not even the layers are made until the clock is first shown.
    EXPECT_TRUE(window->handsPicture().isNull());
    EXPECT_TRUE(window->dialPicture().isNull());

    // Showing draws the time sampled before: 15:00:05.
    window->show();
    EXPECT_FALSE(handsBlank());
    EXPECT_EQ(window->handsPicture().pixel(100, 75), kClockHourColour);
}

TEST_F(FormClockTest, OnlyAMovedHandRepaintsAndOnlyTheHandsAreRedrawn)
{
    open().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto *hands = window->findChild<QWidget *>(QStringLiteral("Image1"));
    PaintCounter counter(hands);
    const QImage dial = window->dialPicture();

    clock.current = clock.current.addMSecs(400); // same second
    window->onTick();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);

    clock.advanceSeconds(1);
    window->onTick();
    QTRY_COMPARE_WITH_TIMEOUT(counter.paints, 1, 2000);
    EXPECT_EQ(window->dialPicture(), dial);
}

TEST_F(FormClockTest, StayOnTopTogglesWithoutHidingTheClock)
{
    open().show();
    QAction *stayOnTop = window->findChild<QAction *>(QStringLiteral("StayOnTop1"));
    EXPECT_FALSE(stayOnTop->isChecked());
    stayOnTop->trigger();
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->isVisible());
    stayOnTop->trigger();
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(FormClockTest, SnapsToTheWorkAreaWithinTenPixels)
{
    open().show();
    const QRect desk = window->screen()->availableGeometry();
    window->move(desk.left() + 10, desk.top() + 100);
    QTRY_COMPARE_WITH_TIMEOUT(window->pos(), QPoint(desk.left(), desk.top() + 100), 2000);
    window->move(desk.left() + 11, desk.top() + 100);
    QTest::qWait(300);
    EXPECT_EQ(window->pos(), QPoint(desk.left() + 11, desk.top() + 100));
}
