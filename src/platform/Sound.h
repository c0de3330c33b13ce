#pragma once
#include <QObject>
#include <QString>

namespace veltrano {

// Plays a sound file once, in the background. Whether it could be played is
// known only once the file has been opened and decoding has begun, so the
// answer comes later as a signal.
class Sound : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Stops whatever played before and starts `path` from its beginning.
    // Exactly one of `playing` and `failed` follows for each call, from the
    // event loop, never from inside this call.
    virtual void play(const QString &path) = 0;
signals:
    void playing(const QString &path);
    void failed(const QString &path);

protected:
    // A player may decide inside play() already (a file it cannot open); the
    // answer still comes from the event loop, as callers are promised.
    void answerLater(const QString &path, bool played)
    {
        QMetaObject::invokeMethod(
            this,
            [this, path, played] {
                if (played)
                    emit playing(path);
                else
                    emit failed(path);
            },
            Qt::QueuedConnection);
    }
};

} // namespace veltrano
