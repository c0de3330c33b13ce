#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace veltrano::test {

TempFolder::TempFolder() = default;

void TempFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString name = file(relative);
    QDir().mkpath(QFileInfo(name).path());
    QFile out(name);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
}

QByteArray TempFolder::read(const QString &relative) const
{
    QFile in(file(relative));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

} // namespace veltrano::test
