#include "CheckedOutput.h"

#include <QFile>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace veltrano::rtfconv {

QString writeStandardOutput(const QByteArray &data)
{
    // Nothing else may have gone through stdio's buffer, or it would reach the
    // descriptor after our bytes, or fail unseen at exit.
    if (std::fflush(stdout) != 0)
        return u"cannot write the output"_s;
    QFile out;
    // Unbuffered, so a failing write is seen at the write itself; the handle
    // is closed here, so a failing close is seen too.
    if (!out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return u"cannot write the output: %1"_s.arg(out.errorString());
    const qint64 written = out.write(data);
    if (written != data.size())
        return u"cannot write the output: %1"_s.arg(out.errorString());
    out.close();
    if (out.error() != QFileDevice::NoError)
        return u"cannot write the output: %1"_s.arg(out.errorString());
    return {};
}

} // namespace veltrano::rtfconv
