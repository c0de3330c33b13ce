#pragma once
#include <QObject>
#include <QString>
#include <memory>

namespace veltrano {

// Held for as long as this process is the running instance; releasing it
// (destroying the object) lets the next start through. While held, a later
// start of the program can call this one forward.
class InstanceMarker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
signals:
    // Another start of the program asked for this one to be seen. Comes from
    // the event loop.
    void activationRequested();
};

// One running copy per user. On Windows: the named file mapping, and for the
// call forward a named auto-reset event beside it that the holder waits on
// (QWinEventNotifier) and `activateHolder` sets, after
// AllowSetForegroundWindow(ASFW_ANY) so that the holder may take the
// foreground.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // The marker when this process is now the only holder of `name`; null when
    // another live process holds it. A holder that crashed or was killed does
    // not count.
    virtual std::unique_ptr<InstanceMarker> acquire(const QString &name) = 0;
    // The marker when no other live copy of the program on this host uses
    // the data folder `folder`; null when one does. The per-user marker
    // above depends on where the session keeps its runtime files; this one
    // lives in the folder itself, so two copies never write one folder
    // whatever their environment. Its file is kFolderLockPrefix + the host
    // name + "#", holding the holder's process id and host: a name sync tools
    // leave alone (LibreOffice's lock files are named so), and one per host,
    // so a lock another host left in a shared folder never blocks and is
    // never written. A holder that crashed or was killed does not count. A
    // folder that cannot hold the lock (read-only) is not guarded.
    virtual std::unique_ptr<InstanceMarker> acquireFolder(const QString &folder) = 0;
    // Asks the process holding `name` to show itself (its marker's
    // `activationRequested`); false when no holder could be reached. Returns
    // within a second or so.
    virtual bool activateHolder(const QString &name) = 0;
};

inline constexpr auto kFolderLockPrefix = u".~lock.Veltrano.";

} // namespace veltrano
