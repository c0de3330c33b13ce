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
constexpr int kPopupWidth = 300;
constexpr int kDBusTimeoutMs = 2000;

} // namespace

BalloonPopup::BalloonPopup(const QString &title, const QString &text, int msecs)
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
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    auto *textLabel = new QLabel(text, this);
    textLabel->setObjectName(QStringLiteral("BalloonText"));
    textLabel->setTextFormat(Qt::PlainText);
    textLabel->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel);
    layout->addWidget(textLabel);
    setFixedWidth(kPopupWidth);
    adjustSize();

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.right() - width() - kScreenMargin + 1, area.bottom() - height() - kScreenMargin + 1);
    }
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
