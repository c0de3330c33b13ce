#include "common/logic/BackgroundWriter.h"

#include "common/logic/ConflictCopies.h"
#include "platform/Clock.h"

#include <QDateTime>

#include <algorithm>
#include <utility>

namespace veltrano {
namespace {

// A file system that keeps times to the second (or two) may show a change
// made within that time with the stamp it had: the bytes then decide.
constexpr qint64 kCoarseTimeNs = qint64(2) * 1000 * 1000 * 1000;
// How long a rename or a delete waits for the writes it would pull the
// ground from under.
constexpr std::chrono::seconds kIdleWait{30};

size_t hashOf(const QByteArray &bytes)
{
    return qHashBits(bytes.constData(), size_t(bytes.size()), 0);
}

qint64 nowNs()
{
    return QDateTime::currentMSecsSinceEpoch() * 1000 * 1000;
}

QString folderOf(const QString &path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString nameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

bool isWithin(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

} // namespace

QString QueuedWritesLateMessage(const QStringList &files, int seconds)
{
    return QStringLiteral("The disk did not take these files within %1 seconds; they may not hold the last "
                          "changes:\n%2")
        .arg(seconds)
        .arg(files.join(u'\n'));
}

BackgroundWriter::BackgroundWriter(FileSystem &files, const Clock &clock, QString host, QObject *parent)
    : QObject(parent), m_files(files), m_clock(clock), m_host(std::move(host)),
      m_background(files.callableFromAnyThread())
{
    if (m_background)
        m_thread = std::thread([this] { run(); });
}

BackgroundWriter::~BackgroundWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

bool BackgroundWriter::writesInBackground() const
{
    const std::lock_guard lock(m_mutex);
    return m_background;
}

bool BackgroundWriter::isQueuedLocked(const QString &path) const
{
    return m_pending.contains(path) || m_inFlight == path;
}

bool BackgroundWriter::exists(const QString &path) const
{
    {
        const std::lock_guard lock(m_mutex);
        if (isQueuedLocked(path))
            return true;
    }
    return m_files.exists(path);
}

// What is queued for a file is what it holds as far as the program is
// concerned: a read never brings back what a later write replaces.
std::optional<QByteArray> BackgroundWriter::readFile(const QString &path, QString *reason, qint64 maxBytes) const
{
    {
        const std::lock_guard lock(m_mutex);
        if (const auto pending = m_pending.constFind(path); pending != m_pending.cend())
            return *pending;
        if (m_inFlight == path)
            return m_inFlightBytes;
    }
    // Stamped before the read: a version renamed into place right after the
    // read then shows as a change, instead of passing for what was read.
    const std::optional<FileStamp> stamp = m_files.stamp(path);
    std::optional<QByteArray> bytes = m_files.readFile(path, reason, maxBytes);
    if (bytes) {
        // Made between the two: stamped after, as the file it now is.
        rememberRead(path, *bytes, stamp ? stamp : m_files.stamp(path));
        // What the caller holds now is what the disk holds: a refused write
        // of it is nothing the program still owes the disk.
        const std::lock_guard lock(m_mutex);
        m_refused.remove(path);
    }
    else if (!m_files.exists(path))
        rememberMissing(path);
    return bytes;
}

void BackgroundWriter::rememberRead(const QString &path, const QByteArray &bytes,
                                    const std::optional<FileStamp> &stamp) const
{
    const std::lock_guard lock(m_mutex);
    if (stamp)
        m_seen.insert(path, {false, *stamp, hashOf(bytes), nowNs(), std::nullopt});
    else
        m_seen.remove(path);
}

// The stamp is taken by name after the rename, and a sync engine may have
// renamed its own version in between: it is the program's file only if its
// bytes read back as the program's while the stamp held still. Otherwise
// the record can match no file, so the other version shows as a change.
void BackgroundWriter::rememberWritten(const QString &path, const QByteArray &bytes)
{
    const std::optional<FileStamp> stamp = m_files.stamp(path);
    if (!stamp) {
        const std::lock_guard lock(m_mutex);
        m_seen.remove(path);
        return;
    }
    bool ours = stamp->size == bytes.size();
    if (ours) {
        // What cannot be read back is taken for what was written.
        const std::optional<QByteArray> back = m_files.readFile(path, nullptr, kDefaultReadLimit);
        ours = !back || (*back == bytes && m_files.stamp(path) == stamp);
    }
    const qint64 now = nowNs();
    const FileStamp seen = ours ? *stamp : FileStamp{bytes.size(), now, 0, 0};
    const std::lock_guard lock(m_mutex);
    m_seen.insert(path, {false, seen, hashOf(bytes), now, bytes});
}

void BackgroundWriter::rememberMissing(const QString &path) const
{
    const std::lock_guard lock(m_mutex);
    m_seen.insert(path, {true, {}, 0, nowNs()});
}

bool BackgroundWriter::differsFromSeen(const QString &path, const Seen &seen, const FileStamp &now) const
{
    if (seen.missing)
        return true;
    const bool ambiguous = now == seen.stamp && now.modifiedNs + kCoarseTimeNs >= seen.seenAtNs;
    if (now == seen.stamp && !ambiguous)
        return false;
    if (now.size != seen.stamp.size)
        return true;
    // Same size: touched, or the same bytes brought back by a sync engine,
    // is no change; only other bytes are.
    const std::optional<QByteArray> bytes = m_files.readFile(path, nullptr, kDefaultReadLimit);
    return !bytes || hashOf(*bytes) != seen.hash;
}

bool BackgroundWriter::changedOutside(const QString &path) const
{
    std::optional<Seen> seen;
    {
        const std::lock_guard lock(m_mutex);
        if (isQueuedLocked(path) || !m_seen.contains(path))
            return false;
        seen = m_seen.value(path);
    }
    const std::optional<FileStamp> now = m_files.stamp(path);
    // A file that went away is no new version to show: the program's stays.
    if (!now)
        return false;
    return seen->missing || *now != seen->stamp;
}

BackgroundWriter::Outcome BackgroundWriter::writeChecked(const QString &path, const QByteArray &bytes)
{
    Outcome outcome;
    std::optional<Seen> seen;
    {
        const std::lock_guard lock(m_mutex);
        if (m_seen.contains(path))
            seen = m_seen.value(path);
    }
    const std::optional<FileStamp> now = seen ? m_files.stamp(path) : std::nullopt;
    if (now && differsFromSeen(path, *seen, *now)) {
        const QString copy = conflictCopyPath(path);
        // A rename keeps the other version byte for byte; if even that fails,
        // the program's version waits rather than go over it.
        if (const IoStatus kept = m_files.rename(path, copy); !kept) {
            outcome.status = IoStatus::failure(kept.reason);
            return outcome;
        }
        outcome.conflictCopy = copy;
    }
    outcome.status = m_files.replaceFile(path, bytes);
    if (outcome.status)
        rememberWritten(path, bytes);
    return outcome;
}

QString BackgroundWriter::conflictCopyPath(const QString &path) const
{
    const QString base = ConflictCopyName(nameOf(path), m_host, m_clock.now());
    QString copy = folderOf(path) + base;
    for (int n = 2; m_files.exists(copy); ++n)
        copy = folderOf(path) + base.left(base.lastIndexOf(u'.')) + u'-' + QString::number(n)
               + base.mid(base.lastIndexOf(u'.'));
    return copy;
}

// A sync engine checks the file before it puts a downloaded version in its
// place, but not in the same step: a write of the program's between the two
// is replaced by a version that never saw it, and taking that version in
// would lose the program's change on every disk. Such a version was made
// before the program's write; a later one may hold it, and is taken in as is.
QString BackgroundWriter::keepOwnWriteReplacedUnseen(const QString &path)
{
    Seen seen;
    {
        const std::lock_guard lock(m_mutex);
        const auto found = m_seen.constFind(path);
        if (isQueuedLocked(path) || found == m_seen.cend() || !found->written)
            return {};
        seen = *found;
    }
    const std::optional<FileStamp> now = m_files.stamp(path);
    if (!now || *now == seen.stamp || now->modifiedNs >= seen.stamp.modifiedNs)
        return {};
    const std::optional<QByteArray> theirs = m_files.readFile(path, nullptr, kDefaultReadLimit);
    if (theirs && *theirs == *seen.written)
        return {};
    const QString copy = conflictCopyPath(path);
    if (!m_files.replaceFile(copy, *seen.written))
        return {};
    {
        // Kept once: the record is the program's own write no more.
        const std::lock_guard lock(m_mutex);
        if (const auto found = m_seen.find(path); found != m_seen.end() && found->stamp == seen.stamp)
            found->written.reset();
    }
    emit conflictKept(path, copy);
    return copy;
}

IoStatus BackgroundWriter::replaceFile(const QString &path, const QByteArray &bytes)
{
    bool background = false;
    bool refusedBefore = false;
    {
        const std::lock_guard lock(m_mutex);
        background = m_background;
        refusedBefore = m_refused.contains(path);
    }
    if (!background || refusedBefore) {
        if (refusedBefore)
            waitUntilIdle(path);
        return writeNow(path, bytes);
    }
    // Refused at once what would be refused anyway, as before.
    if (const IoStatus refusal = m_files.checkReplaceable(path); !refusal)
        return refusal;
    if (!m_files.isFolder(folderOf(path)))
        return m_files.replaceFile(path, bytes); // fails, with the system's reason
    const std::lock_guard lock(m_mutex);
    if (!m_held.contains(path))
        m_held.append(path);
    m_pending.insert(path, bytes);
    if (!std::exchange(m_releasePosted, true))
        QMetaObject::invokeMethod(
            this,
            [this] {
                const std::lock_guard lock(m_mutex);
                releaseHeldLocked();
            },
            Qt::QueuedConnection);
    return IoStatus::success();
}

IoStatus BackgroundWriter::replaceFileNow(const QString &path, const QByteArray &bytes)
{
    waitUntilIdle(path);
    return writeNow(path, bytes);
}

IoStatus BackgroundWriter::writeNow(const QString &path, const QByteArray &bytes)
{
    const Outcome outcome = writeChecked(path, bytes);
    {
        const std::lock_guard lock(m_mutex);
        if (outcome.status)
            m_refused.remove(path);
        else
            m_refused.insert(path, outcome.status.reason);
    }
    if (!outcome.conflictCopy.isEmpty())
        emit conflictKept(path, outcome.conflictCopy);
    return outcome.status;
}

void BackgroundWriter::releaseHeldLocked()
{
    m_releasePosted = false;
    for (const QString &path : std::as_const(m_held)) {
        if (std::find(m_order.cbegin(), m_order.cend(), path) == m_order.cend())
            m_order.push_back(path);
    }
    m_held.clear();
    m_wake.notify_one();
}

void BackgroundWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_order.empty(); });
        if (m_stop)
            return;
        const QString path = m_order.front();
        m_order.pop_front();
        m_inFlight = path;
        m_inFlightBytes = m_pending.take(path);
        const QByteArray bytes = m_inFlightBytes;
        lock.unlock();
        const Outcome outcome = writeChecked(path, bytes);
        lock.lock();
        const bool firstRefusal = !outcome.status && !m_refused.contains(path);
        if (outcome.status)
            m_refused.remove(path);
        else
            m_refused.insert(path, outcome.status.reason);
        m_inFlight.clear();
        m_inFlightBytes.clear();
        m_idle.notify_all();
        // Told on the thread the program's windows live on.
        QMetaObject::invokeMethod(
            this,
            [this, path, outcome, firstRefusal] {
                if (!outcome.conflictCopy.isEmpty())
                    emit conflictKept(path, outcome.conflictCopy);
                if (firstRefusal)
                    emit refusedInBackground(path, outcome.status.reason);
            },
            Qt::QueuedConnection);
    }
}

void BackgroundWriter::waitUntilIdle(const QString &path)
{
    std::unique_lock lock(m_mutex);
    releaseHeldLocked();
    m_idle.wait_for(lock, kIdleWait, [this, &path] {
        return path.isEmpty() ? m_order.empty() && m_inFlight.isEmpty() : !isQueuedLocked(path);
    });
}

bool BackgroundWriter::waitUntilWritten(std::chrono::milliseconds bound)
{
    std::unique_lock lock(m_mutex);
    releaseHeldLocked();
    return m_idle.wait_for(lock, bound, [this] { return m_order.empty() && m_inFlight.isEmpty(); });
}

QStringList BackgroundWriter::unwritten() const
{
    const std::lock_guard lock(m_mutex);
    QStringList paths(m_order.cbegin(), m_order.cend());
    for (const QString &held : m_held) {
        if (!paths.contains(held))
            paths << held;
    }
    if (!m_inFlight.isEmpty() && !paths.contains(m_inFlight))
        paths.prepend(m_inFlight);
    return paths;
}

bool BackgroundWriter::hasUnwrittenChange(const QString &path) const
{
    const std::lock_guard lock(m_mutex);
    return isQueuedLocked(path) || m_refused.contains(path);
}

bool BackgroundWriter::wasRefused(const QString &path) const
{
    const std::lock_guard lock(m_mutex);
    return m_refused.contains(path);
}

void BackgroundWriter::writeInForeground()
{
    const std::lock_guard lock(m_mutex);
    m_background = false;
}

int BackgroundWriter::removeReplaceLeftovers(const QString &folder)
{
    waitUntilIdle({});
    return m_files.removeReplaceLeftovers(folder);
}

// A folder renamed or a file removed while a write to it is queued would
// bring it back where it was: the writes go first.
IoStatus BackgroundWriter::rename(const QString &from, const QString &to)
{
    waitUntilIdle({});
    const IoStatus status = m_files.rename(from, to);
    if (status) {
        const std::lock_guard lock(m_mutex);
        QHash<QString, Seen> moved;
        for (auto it = m_seen.begin(); it != m_seen.end();) {
            if (isWithin(it.key(), from)) {
                moved.insert(to + it.key().mid(from.size()), it.value());
                it = m_seen.erase(it);
            } else {
                ++it;
            }
        }
        m_seen.insert(moved);
    }
    return status;
}

bool BackgroundWriter::removeFile(const QString &path)
{
    waitUntilIdle({});
    return m_files.removeFile(path);
}

bool BackgroundWriter::removeFolder(const QString &path)
{
    waitUntilIdle({});
    return m_files.removeFolder(path);
}

} // namespace veltrano
