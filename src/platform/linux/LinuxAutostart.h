#pragma once
// The program's own entry in the desktop's autostart folder
// (<config home>/autostart/veltrano.desktop, the XDG autostart rules). Other
// programs keep entries of their own beside it; none of them is ever touched.
#include <QByteArray>
#include <QString>

namespace veltrano {

QString AutostartEntryPath(const QString &configHome);
// The desktop entry that starts `executable` at logon; empty for a path no
// entry can hold (a line break in it).
QByteArray ComposeAutostartEntry(const QString &executable);
// Writes the entry whole or not at all; false when it could not be written.
bool WriteAutostartEntry(const QString &configHome, const QString &executable);
// True when no entry of ours is left.
bool RemoveAutostartEntry(const QString &configHome);

} // namespace veltrano
