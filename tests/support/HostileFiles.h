#pragma once
// What a data folder may hold where a file of the program's is expected: a
// FIFO (a read would wait for a writer for ever), a link to /dev/zero (a read
// would never end), a sparse file of a gigabyte (nothing on the disk, a
// gigabyte for a read) and a file just over a reader's bound. Every reader
// must refuse each before reading, and nothing may be written over it.
#include <QByteArray>
#include <QList>
#include <QString>

namespace veltrano::test {

enum class Hostile { Fifo, DeviceLink, SparseGigabyte, Oversized };

struct HostileCase {
    Hostile kind;
    const char *name;
};

// Every kind; Oversized is `bound` + 1 bytes (sparse, so cheap to make).
QList<HostileCase> AllHostileCases();

// Makes `path` (its folder must exist) into the kind. False when the system
// does not let it (no mkfifo, no /dev/zero).
bool MakeHostile(const QString &path, Hostile kind, qint64 bound);
// Whether `path` is still the kind MakeHostile made, and nothing else: a FIFO
// still a FIFO, the link still leading to /dev/zero, the sparse file still of
// its size with nothing written into it.
bool StillHostile(const QString &path, Hostile kind, qint64 bound);

} // namespace veltrano::test
