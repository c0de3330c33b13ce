#include "platform/linux/LinuxHotKeys.h"
#include "platform/linux/LinuxTray.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltrano;

namespace {

QWidget *balloonPopup()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("BalloonPopup") && widget->isVisible())
            return widget;
    return nullptr;
}

QString childText(const QWidget *popup, const char *name)
{
    const auto *label = popup->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QString();
}

} // namespace

// The offscreen platform has no tray, like a desktop without a tray host.
TEST(LinuxTray, WithoutATrayTheBalloonIsAPopupThatClosesItself)
{
    LinuxTray tray;
    ASSERT_FALSE(tray.isAvailable());
    tray.desktopBalloons().setNotificationServiceAllowed(false);
    tray.showBalloon(QStringLiteral("Veltrano"), QStringLiteral("Good day!\n\r08.12.2026\n\r9:30:00"), 300);
    QWidget *popup = balloonPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(childText(popup, "BalloonTitle"), QStringLiteral("Veltrano"));
    EXPECT_EQ(childText(popup, "BalloonText"), QStringLiteral("Good day!\n08.12.2026\n9:30:00"));
    const QRect area = popup->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(popup->frameGeometry()));
    EXPECT_GT(popup->frameGeometry().left(), area.center().x());
    EXPECT_GT(popup->frameGeometry().top(), area.center().y());
    EXPECT_TRUE(QTest::qWaitFor([] { return balloonPopup() == nullptr; }, 3000));
}

TEST(LinuxTray, PopupStaysForTheRequestedTime)
{
    LinuxTray tray;
    tray.desktopBalloons().setNotificationServiceAllowed(false);
    tray.showBalloon(QStringLiteral("Alarm"), QStringLiteral("WakeUP!"), 1500);
    QTest::qWait(700);
    EXPECT_NE(balloonPopup(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([] { return balloonPopup() == nullptr; }, 3000));
}

TEST(LinuxHotKeys, WithoutAnX11SessionEveryKeyIsRefused)
{
    LinuxHotKeys keys;
    EXPECT_EQ(keys.registerHotKey(1, Qt::Key_F1, Qt::ControlModifier), HotKeys::Refusal::Unsupported);
    keys.unregisterHotKey(1); // nothing held: harmless
}

// Where the tray host shows no balloons, ours stands by the icon: below one at
// the top of the screen, above one at the bottom. Its time is its time,
// wherever the pointer rests; a click closes it sooner.
TEST(LinuxTray, BalloonBesideTheIconGoesAfterItsTimeOrAtAClick)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect topIcon(area.right() - 40, area.top(), 22, 22);
    DesktopBalloons::showBesideIcon(QStringLiteral("Veltrano"), QStringLiteral("Good day!"), 600, topIcon);
    QWidget *popup = balloonPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(area.contains(popup->frameGeometry()));
    EXPECT_GE(popup->frameGeometry().top(), topIcon.bottom());
    EXPECT_LE(popup->frameGeometry().top() - topIcon.bottom(), 12);
    EXPECT_LE(popup->frameGeometry().left(), topIcon.center().x());
    QTest::mouseMove(popup, popup->rect().center());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(popup, &enter);
    EXPECT_TRUE(QTest::qWaitFor([] { return balloonPopup() == nullptr; }, 2000));

    const QRect bottomIcon(area.left() + 30, area.bottom() - 22, 22, 22);
    DesktopBalloons::showBesideIcon(QStringLiteral("Alarm"), QStringLiteral("WakeUP!"), 60000, bottomIcon);
    popup = balloonPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_LE(popup->frameGeometry().bottom(), bottomIcon.top());
    EXPECT_GE(popup->frameGeometry().left(), area.left());
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->rect().center());
    EXPECT_TRUE(QTest::qWaitFor([] { return balloonPopup() == nullptr; }, 1000));
}
