#include "BoundedInput.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace veltrano::rtfconv {
namespace {

QString tooLarge(const QString &name)
{
    return u"cannot read %1: larger than %2"_s.arg(name, QLatin1String(kMaxInputText));
}

// Reads in chunks up to one byte past the limit, so a file that grows after
// its size was checked, or an endless stream, still stops there.
Input readBounded(QFile &file, const QString &name)
{
    constexpr qint64 kChunk = 1024 * 1024;
    Input input;
    for (;;) {
        const qint64 room = kMaxInputBytes + 1 - input.data.size();
        const qsizetype before = input.data.size();
        input.data.resize(before + qMin(kChunk, room));
        const qint64 got = file.read(input.data.data() + before, input.data.size() - before);
        if (got < 0) {
            return {{}, u"cannot read %1: %2"_s.arg(name, file.errorString())};
        }
        input.data.resize(before + got);
        if (input.data.size() > kMaxInputBytes)
            return {{}, tooLarge(name)};
        if (got == 0)
            return input;
    }
}

} // namespace

Input readInput(const QString &path)
{
    QFile file;
    QString name = path;
    if (path == u"-"_s) {
        name = u"standard input"_s;
        if (!file.open(0, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
            return {{}, u"cannot read %1: %2"_s.arg(name, file.errorString())};
    } else {
        const QFileInfo info(path);
        if (info.exists() && !info.isFile())
            return {{}, u"cannot read %1: not a regular file"_s.arg(path)};
        if (info.size() > kMaxInputBytes)
            return {{}, tooLarge(path)};
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return {{}, u"cannot read %1: %2"_s.arg(path, file.errorString())};
    }
    return readBounded(file, name);
}

} // namespace veltrano::rtfconv
