#pragma once
// The "run" key of win.ini's [windows] section: programs Windows starts at
// logon, separated by spaces or commas. Ours is added and taken out again
// without touching anyone else's entry.
#include <QString>

namespace veltrano {

// The key with `program` added at the end, or as it was when it already
// lists it (letter case ignored, as Windows compares paths).
QString WithRunEntry(const QString &value, const QString &program);
// The key without any entry naming `program`, everything else kept in its
// order (written with single spaces when one was taken out).
QString WithoutRunEntry(const QString &value, const QString &program);
// Whether `program` can be an entry at all: the key splits at spaces and
// commas, so a path holding one would be read as two programs.
bool FitsRunKey(const QString &program);

} // namespace veltrano
