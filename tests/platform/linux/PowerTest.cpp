#include "platform/linux/LinuxPower.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace veltrano;

namespace {

// The login manager on a private bus that the test takes for the system bus:
// it answers CanSuspend as told, after the delay told (never, when negative),
// and records every Suspend.
class FakeLoginManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    struct State {
        QString answer = QStringLiteral("yes");
        int delayMs = 0; // negative: never
        QList<bool> suspends;
    };
    State state;
    FakeLoginManager &operator=(const State &fresh)
    {
        state = fresh;
        return *this;
    }

public slots:
    QString CanSuspend(const QDBusMessage &call)
    {
        if (state.delayMs == 0)
            return state.answer;
        call.setDelayedReply(true);
        if (state.delayMs > 0) {
            QTimer::singleShot(state.delayMs, this, [this, call] {
                QDBusConnection(QStringLiteral("login1")).send(call.createReply(state.answer));
            });
        }
        return {};
    }
    void Suspend(bool interactive) { state.suspends << interactive; }
};

// One private bus for the whole run: the program's system bus connection is
// made once per process, on the address it finds then.
class PrivateSystemBus : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            return;
        s_daemon = new QProcess;
        s_daemon->start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                 QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
        if (!s_daemon->waitForReadyRead(10000))
            return;
        const QByteArray address = s_daemon->readLine().trimmed();
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
        QDBusConnection server = QDBusConnection::connectToBus(QString::fromUtf8(address), QStringLiteral("login1"));
        s_login = new FakeLoginManager;
        s_ready = server.isConnected() && server.registerService(QStringLiteral("org.freedesktop.login1"))
                  && server.registerObject(QStringLiteral("/org/freedesktop/login1"), s_login,
                                           QDBusConnection::ExportAllSlots);
    }
    static void TearDownTestSuite()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("login1"));
        delete s_login;
        if (s_daemon) {
            s_daemon->kill();
            s_daemon->waitForFinished(5000);
            delete s_daemon;
        }
    }
    void SetUp() override
    {
        if (!s_ready)
            GTEST_SKIP() << "needs dbus-daemon";
        *s_login = FakeLoginManager::State{};
    }

    static bool waitFor(const std::function<bool()> &done, int ms)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }

    FakeLoginManager &login = *s_login;

private:
    static inline QProcess *s_daemon = nullptr;
    static inline FakeLoginManager *s_login = nullptr;
    static inline bool s_ready = false;
};

} // namespace

// The question goes out and the window goes on: a login manager that takes
// its time (or never answers) cannot freeze the program, as the blocking call
// did for up to 5 s.
TEST_F(PrivateSystemBus, SuspendAsksWithoutWaitingThenSuspends)
{
    login.state.delayMs = 1500;
    LinuxPower power;
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(power.suspend());
    EXPECT_LT(timer.elapsed(), 500);
    EXPECT_TRUE(login.state.suspends.isEmpty());
    ASSERT_TRUE(waitFor([this] { return !login.state.suspends.isEmpty(); }, 10000));
    EXPECT_EQ(login.state.suspends, QList<bool>{false});

    login.state = {QStringLiteral("yes"), -1, {}}; // never answers
    timer.restart();
    EXPECT_TRUE(power.suspend());
    EXPECT_LT(timer.elapsed(), 500);
}

#include "PowerTest.moc"
