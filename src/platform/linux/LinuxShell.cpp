#include "platform/linux/LinuxShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

namespace veltrano {
namespace {

// A scheme of two letters or more, so that nothing like a drive letter passes.
bool looksLikeUrl(const QString &target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

bool isExecutableFile(const QFileInfo &info)
{
    return info.isFile() && info.isExecutable();
}

} // namespace

QString FindProgramOnPath(const QString &name, const QString &pathVariable)
{
    if (name.isEmpty() || name.contains(u'/'))
        return {};
    const QStringList folders = pathVariable.split(u':', Qt::SkipEmptyParts);
    // An exact match anywhere on PATH wins over a match that differs in case.
    for (const QString &folder : folders) {
        const QFileInfo exact(QDir(folder), name);
        if (isExecutableFile(exact))
            return exact.absoluteFilePath();
    }
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QStringList entries = dir.entryList(QDir::Files | QDir::Executable);
        for (const QString &entry : entries) {
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return dir.absoluteFilePath(entry);
        }
    }
    return {};
}

bool LinuxShell::open(const QString &target)
{
    if (target.trimmed().isEmpty())
        return false;
    if (looksLikeUrl(target))
        return QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
    const QFileInfo info(target);
    if (info.exists())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    // A bare name is a program: started directly, so nothing in the name is
    // ever read by a shell.
    const QString program = FindProgramOnPath(target, qEnvironmentVariable("PATH"));
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

} // namespace veltrano
