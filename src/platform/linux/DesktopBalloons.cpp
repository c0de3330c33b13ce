#include "platform/linux/DesktopBalloons.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace veltrano {
namespace {

constexpr int kScreenMargin = 12;
constexpr int kIconGap = 4;
constexpr int kPopupWidth = 300;
constexpr int kDBusTimeoutMs = 2000;

} // namespace

BalloonPopup::BalloonPopup(const QString &title, const QString &text, int msecs, const QRect &nearIcon)
    : QFrame(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                          | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("BalloonPopup"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);

    auto *titleLabel = new QLabel(title, this);
    titleLabel->setObjectName(QStringLiteral("BalloonTitle"));
    auto *textLabel = new QLabel(text, this);
    textLabel->setObjectName(QStringLiteral("BalloonText"));
    textLabel->setTextFormat(Qt::PlainText);
    textLabel->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel);
    layout->addWidget(textLabel);
    setFixedWidth(kPopupWidth);
    adjustSize();

    const QScreen *screen = nearIcon.isValid() ? QGuiApplication::screenAt(nearIcon.center()) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        const QRect desk = screen->geometry();
        QPoint at(area.right() - width() - kScreenMargin + 1, area.bottom() - height() - kScreenMargin + 1);
        if (nearIcon.isValid()) {
            // Below an icon in the upper half of the screen, above one in the lower.
            at.setX(nearIcon.center().x() - width() / 2);
            at.setY(nearIcon.center().y() < desk.center().y() ? nearIcon.bottom() + 1 + kIconGap
                                                               : nearIcon.top() - height() - kIconGap);
            at.setX(qBound(area.left(), at.x(), area.right() + 1 - width()));
            at.setY(qBound(area.top(), at.y(), area.bottom() + 1 - height()));
        }
        move(at);
    }
    // Its time is its time: a pointer that happens to rest where it opens
    // does not keep it over the windows below.
    QTimer::singleShot(msecs, this, &QWidget::close);
}

void BalloonPopup::mousePressEvent(QMouseEvent *)
{
    close();
}

QDBusMessage DesktopNotification(const QString &title, const QString &text, NotificationUrgency urgency, int msecs)
{
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    notify << QApplication::applicationName() << 0u << QStringLiteral("veltrano") << title << text
           << QStringList() << QVariantMap{{QStringLiteral("urgency"), QVariant::fromValue(uchar(urgency))}}
           << msecs;
    return notify;
}

void DesktopBalloons::showPopup(const QString &title, const QString &text, int msecs)
{
    (new BalloonPopup(title, text, msecs))->show();
}

void DesktopBalloons::showBesideIcon(const QString &title, const QString &text, int msecs, const QRect &icon)
{
    (new BalloonPopup(title, text, msecs, icon))->show();
}

void DesktopBalloons::show(const QString &title, const QString &text, int msecs)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!m_useNotifications || !bus.isConnected()) {
        showPopup(title, text, msecs);
        return;
    }
    const QDBusMessage notify = DesktopNotification(title, text, NotificationUrgency::Normal, msecs);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(notify, kDBusTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [title, text, msecs](QDBusPendingCallWatcher *call) {
        if (call->isError())
            showPopup(title, text, msecs);
        call->deleteLater();
    });
}

} // namespace veltrano
