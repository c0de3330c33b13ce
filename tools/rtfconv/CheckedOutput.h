#pragma once
#include <QByteArray>
#include <QString>

namespace veltrano::rtfconv {

// Writes `data` to standard output and closes it. A write, flush or close
// that fails (a full disk, /dev/full, a closed pipe) is reported as one line
// for the user; an empty string means every byte reached its destination.
QString writeStandardOutput(const QByteArray &data);

} // namespace veltrano::rtfconv
