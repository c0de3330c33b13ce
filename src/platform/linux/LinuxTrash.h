#pragma once
#include "platform/Trash.h"

#include <QByteArray>
#include <QDateTime>

namespace veltrano {

// The freedesktop.org trash, as file managers read it: the user's own trash
// ($XDG_DATA_HOME/Trash) for what lies on its file system, otherwise the
// trash at the top of the file system the thing lies on ($topdir/.Trash/$uid
// when an administrator prepared one, else $topdir/.Trash-$uid). Each move
// is a rename, so nothing ever crosses a file system.
class LinuxTrash final : public Trash {
public:
    // `dataHome` stands in for $XDG_DATA_HOME; empty: the user's own.
    explicit LinuxTrash(QString dataHome = {});
    IoStatus moveToTrash(const QString &path) override;

private:
    QString m_dataHome;
};

// The trash at `top`, the top folder of a file system, made ready for the
// user: $top/.Trash/$uid when $top/.Trash is a real folder with the sticky
// bit, else $top/.Trash-$uid; each made when missing, and used only when it
// is the user's own real folder on that file system. Empty, with the
// system's reason in `reason`, when there can be none.
QString TopDirectoryTrash(const QString &top, QString *reason = nullptr);

// The contents of the .trashinfo file for something deleted from `path`
// (bytes as on disk: absolute for the user's trash, relative to the top of
// the file system for a trash there) at `deleted`, local time.
QByteArray TrashInfoText(const QByteArray &path, const QDateTime &deleted);

// The name under files/ for something called `name`, its `attempt`-th try
// (1 = the name itself), short enough that name + ".trashinfo" is a valid
// file name and cut only between whole UTF-8 characters.
QByteArray TrashEntryName(const QByteArray &name, int attempt);

} // namespace veltrano
