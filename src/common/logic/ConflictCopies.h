#pragma once
#include <QDateTime>
#include <QList>
#include <QString>

namespace veltrano {

// The name of the copy that keeps a version written by another hand when the
// program writes its own over it: "note.rtf" becomes
// "note.conflict-<host>-<yyyymmdd-hhmmss>.rtf", beside it. A host name is
// kept to what every file system takes.
QString ConflictCopyName(const QString &fileName, const QString &host, const QDateTime &when);

// Whether `candidate` is a conflict copy of `fileName` kept beside it, by this
// program or by a sync engine: Syncthing's "note.sync-conflict-...rtf",
// Nextcloud's "note (conflicted copy ...).rtf", Dropbox's
// "note (<host>'s conflicted copy ...).rtf".
bool IsConflictCopyOf(const QString &candidate, const QString &fileName);

// What the user is told once when another hand's version of a file was kept
// as `copy` while the program wrote its own.
QString ConflictKeptMessage(const QString &copy);

// The conflict copies of `fileName` among the names of its folder, sorted.
QStringList ConflictCopiesAmong(const QStringList &names, const QString &fileName);

} // namespace veltrano
