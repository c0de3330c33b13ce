#pragma once
#include <QByteArray>
#include <QString>

namespace veltrano::rtfconv {

// Notes are small; anything larger is not one, and reading it whole could
// take all the memory there is.
inline constexpr qint64 kMaxInputBytes = 512LL * 1024 * 1024;
inline constexpr auto kMaxInputText = "512 MB";

struct Input {
    QByteArray data;
    QString error; // one line for the user; empty when the input was read
};

// The whole of `path`, or of standard input for "-". Refuses what is not a
// regular file (a device or pipe could block or never end) and anything over
// kMaxInputBytes, before reading it whole; standard input is read up to the
// limit only.
Input readInput(const QString &path);

} // namespace veltrano::rtfconv
