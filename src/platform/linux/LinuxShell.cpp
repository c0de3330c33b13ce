#include "platform/linux/LinuxShell.h"

#include "platform/linux/DesktopTools.h"
#include "platform/linux/LinuxAutostart.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

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

// The entry of `dir` called `name`, as written if it is there, otherwise the
// first one equal to it ignoring case.
QString entryIgnoringCase(const QDir &dir, const QString &name)
{
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                              QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

bool startDetached(const ToolCommand &command)
{
    return QProcess::startDetached(command.program, command.arguments);
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

QString FindPathIgnoringCase(const QString &path, const QString &base)
{
    if (path.trimmed().isEmpty())
        return {};
    const QString full = QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir(base).filePath(path));
    if (QFileInfo::exists(full))
        return full;
    QString found = QStringLiteral("/");
    for (const QString &part : full.split(u'/', Qt::SkipEmptyParts)) {
        const QDir dir(found);
        const QString entry = entryIgnoringCase(dir, part);
        if (entry.isEmpty())
            return {};
        found = dir.filePath(entry);
    }
    return found;
}

LinuxShell::LinuxShell(UrlOpener openUrl) : m_openUrl(std::move(openUrl))
{
    if (!m_openUrl)
        m_openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
}

bool LinuxShell::open(const QString &target)
{
    if (target.trimmed().isEmpty())
        return false;
    if (looksLikeUrl(target))
        return m_openUrl(QUrl(target, QUrl::TolerantMode));
    const QString file = FindPathIgnoringCase(target, QDir::currentPath());
    if (!file.isEmpty())
        return m_openUrl(QUrl::fromLocalFile(file));
    // A bare name is a program: started directly, so nothing in the name is
    // ever read by a shell.
    const QString program = FindProgramOnPath(target, qEnvironmentVariable("PATH"));
    if (!program.isEmpty())
        return QProcess::startDetached(program, {});
    // "notepad", "calc.exe" and friends: the desktop's own tool of that kind.
    if (const std::optional<DesktopTool> tool = WindowsToolNamed(target))
        return startTool(*tool);
    return false;
}

bool LinuxShell::startTool(DesktopTool tool)
{
    const std::optional<ToolCommand> command = FindDesktopTool(tool, DesktopEnvironment::current());
    return command && startDetached(*command);
}

bool LinuxShell::setAutostart(bool enabled)
{
    const QString configHome = DesktopEnvironment::current().configHome;
    return enabled ? WriteAutostartEntry(configHome, QCoreApplication::applicationFilePath())
                   : RemoveAutostartEntry(configHome);
}

} // namespace veltrano
