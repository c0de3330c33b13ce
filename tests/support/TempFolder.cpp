#include "TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

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

void TempFolder::bringVersion(const QString &relative, const QByteArray &bytes, int madeSecondsAgo) const
{
    const QString name = file(relative);
    const QString beside = name + QStringLiteral(".engine-tmp");
    QFile out(beside);
    if (!out.open(QIODevice::WriteOnly))
        return;
    out.write(bytes);
    out.flush(); // else the bytes written at close would give it the time of now
    out.setFileTime(QDateTime::currentDateTime().addSecs(-madeSecondsAgo), QFileDevice::FileModificationTime);
    out.close();
    std::error_code ignored;
    std::filesystem::rename(std::filesystem::path(beside.toStdWString()), std::filesystem::path(name.toStdWString()),
                            ignored);
}

QByteArray TempFolder::read(const QString &relative) const
{
    QFile in(file(relative));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

} // namespace veltrano::test
