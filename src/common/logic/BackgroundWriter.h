#pragma once
#include "platform/FileSystem.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace veltrano {

class Clock;

// How long the end of a run waits for queued writes: a disk that needs more
// hangs, and the user is told which files may not have been written.
inline constexpr int kQueuedWritesExitWaitMs = 10000;
QString QueuedWritesLateMessage(const QStringList &files, int seconds);

// The file system the program's stores read and write through. A write is
// handed to a thread of its own, so that typing never waits on a slow disk:
// the newest bytes for a file replace any still queued for it, one file's
// writes keep their order, and each stays atomic (the file system below
// writes beside and renames). What the disk refuses before a byte is written
// (a read-only file, a missing folder) is refused at once, as before; a later
// refusal (a full disk) is signalled, and from then on that file is written
// at once on the caller's thread, so the caller hears every outcome as it
// always did until a write goes through again.
//
// It also remembers what the program last read or wrote of each file (its
// stamp and a hash of its bytes). A write that finds the file changed by
// another hand since keeps that version as a conflict copy beside it before
// putting the program's in its place: nothing is written over a change the
// program has not seen.
//
// Where the file system below may not be called from another thread (the
// tests' fake), everything is written at once on the caller's thread.
class BackgroundWriter final : public QObject, public FileSystem {
    Q_OBJECT
public:
    BackgroundWriter(FileSystem &files, const Clock &clock, QString host, QObject *parent = nullptr);
    // Waits for the write in progress; what is still queued is not written
    // (the end of a run waits for it first, with waitUntilWritten).
    ~BackgroundWriter() override;
    BackgroundWriter(const BackgroundWriter &) = delete;
    BackgroundWriter &operator=(const BackgroundWriter &) = delete;

    bool exists(const QString &path) const override;
    bool isFolder(const QString &path) const override { return m_files.isFolder(path); }
    std::optional<QByteArray> readFile(const QString &path, QString *reason = nullptr,
                                       qint64 maxBytes = kDefaultReadLimit) const override;
    IoStatus replaceFile(const QString &path, const QByteArray &bytes) override;
    IoStatus checkReplaceable(const QString &path) const override { return m_files.checkReplaceable(path); }
    std::optional<FileStamp> stamp(const QString &path) const override { return m_files.stamp(path); }
    bool changedOutside(const QString &path) const override;
    int removeReplaceLeftovers(const QString &folder) override;
    QList<FolderEntry> listFolder(const QString &folder) const override { return m_files.listFolder(folder); }
    IoStatus makePath(const QString &folder) override { return m_files.makePath(folder); }
    IoStatus rename(const QString &from, const QString &to) override;
    bool removeFile(const QString &path) override;
    bool removeFolder(const QString &path) override;
    bool isMountPoint(const QString &folder) const override { return m_files.isMountPoint(folder); }

    // Writes at once on the caller's thread, after what is queued for the
    // file: for what must be known written before the user is told so.
    IoStatus replaceFileNow(const QString &path, const QByteArray &bytes);
    // Whether writes leave the caller's thread.
    bool writesInBackground() const;
    // Whether the program holds a change of `path` that is not on disk: queued,
    // being written, or refused the last time it was tried.
    bool hasUnwrittenChange(const QString &path) const;
    // Whether the last write of `path` was refused.
    bool wasRefused(const QString &path) const;
    // Called before a change of `path` from outside is taken in. When the
    // program's own last write of it was replaced by a version made before
    // that write (a sync engine finishing a download it checked the file for
    // just before the program wrote), that version cannot hold the program's
    // change: the program's bytes are kept as a conflict copy beside it, and
    // conflictKept tells so. The copy's path, or nothing.
    QString keepOwnWriteReplacedUnseen(const QString &path);
    // Waits until everything queued is written or refused, at most `bound`;
    // false when time ran out first.
    bool waitUntilWritten(std::chrono::milliseconds bound);
    // The files still queued or being written.
    QStringList unwritten() const;
    // From now on every write is made at once on the caller's thread: the
    // end of a run, whose failures are told as they happen.
    void writeInForeground();

signals:
    // A write made in the background was refused; the file's next write is
    // made at once, and tells the caller.
    void refusedInBackground(const QString &path, const QString &reason);
    // The file had been changed by another hand: that version is kept as
    // `copy` beside it, and the program's is in its place.
    void conflictKept(const QString &path, const QString &copy);

private:
    struct Seen {
        bool missing = false;
        FileStamp stamp;
        size_t hash = 0;
        qint64 seenAtNs = 0;
        // What the program wrote, while the file is last known as its own
        // write: the only place those bytes are left if another hand's older
        // version is put over them.
        std::optional<QByteArray> written;
    };
    struct Outcome {
        IoStatus status;
        QString conflictCopy;
    };

    void run();
    // Keeps another hand's version aside when need be, then writes; any thread.
    Outcome writeChecked(const QString &path, const QByteArray &bytes);
    IoStatus writeNow(const QString &path, const QByteArray &bytes);
    bool differsFromSeen(const QString &path, const Seen &seen, const FileStamp &now) const;
    // What was read of `path`, with its stamp taken before the read.
    void rememberRead(const QString &path, const QByteArray &bytes, const std::optional<FileStamp> &stamp) const;
    // What the program has just written to `path`.
    void rememberWritten(const QString &path, const QByteArray &bytes);
    // A free name for a conflict copy of `path`, made now.
    QString conflictCopyPath(const QString &path) const;
    void rememberMissing(const QString &path) const;
    void waitUntilIdle(const QString &path);
    bool isQueuedLocked(const QString &path) const;
    // Hands the files queued since the last turn of the event loop to the
    // thread: the keys written in one moment make one write of the file.
    void releaseHeldLocked();

    FileSystem &m_files;
    const Clock &m_clock;
    QString m_host;
    bool m_background = false;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<QString> m_order; // what the thread takes, in turn
    QStringList m_held;          // queued in this turn of the event loop
    bool m_releasePosted = false;
    QHash<QString, QByteArray> m_pending;
    QString m_inFlight;
    QByteArray m_inFlightBytes;
    mutable QHash<QString, QString> m_refused; // a read settles it
    mutable QHash<QString, Seen> m_seen;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace veltrano
