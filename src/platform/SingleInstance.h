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
    // Asks the process holding `name` to show itself (its marker's
    // `activationRequested`); false when no holder could be reached. Returns
    // within a second or so.
    virtual bool activateHolder(const QString &name) = 0;
};

} // namespace veltrano
