#pragma once
#include <QObject>
#include <QStringList>

class QSocketNotifier;

namespace veltrano {

// Starts a program in a session of its own and tells its exit status when it
// ends. The program is not our child: it goes on when we end first, and
// nothing of ours waits for it (a desktop opener may run a browser in the
// foreground for as long as the browser is open).
class WatchedLaunch final : public QObject {
    Q_OBJECT
public:
    // Null when the program could not be started at all.
    static WatchedLaunch *start(const QString &program, const QStringList &arguments, QObject *parent);
    ~WatchedLaunch() override;

signals:
    // The program's exit status; 127 when it could not be run, 128 + the
    // signal's number when a signal ended it. Deletes itself afterwards.
    void finished(int status);

private:
    WatchedLaunch(int statusPipe, int watcherPid, QObject *parent);
    void readStatus();

    int m_statusPipe;
    int m_watcherPid;
    QSocketNotifier *m_notifier;
};

} // namespace veltrano
