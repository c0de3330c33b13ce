#pragma once
// Reading and writing the freedesktop.org key files: desktop entries
// (*.desktop) and the MIME default lists (mimeapps.list).
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace veltrano {

// The value of `key` in group `group` of a key file, with the string escapes
// (\s \n \t \r \\) undone; nothing when the group or key is missing.
std::optional<QString> KeyFileValue(const QByteArray &content, const QString &group, const QString &key);

// The program and arguments of an Exec line as read from a desktop entry,
// quoting undone and field codes (%f, %U, ...) dropped. Empty when the line
// is malformed (an open quote), so nothing half-read is ever started.
QStringList ExecArguments(const QString &execValue);

// The Exec value, as it is written into the file, that starts `program` with
// no arguments: quoted and escaped so that no character of the path is read
// as anything but the path.
QString ExecValueFor(const QString &program);

} // namespace veltrano
