#include "platform/linux/LinuxShell.h"

#include "platform/linux/DesktopTools.h"
#include "platform/linux/LinuxAutostart.h"
#include "platform/linux/WatchedLaunch.h"

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

bool startDetached(const ToolCommand &command)
{
    return QProcess::startDetached(command.program, command.arguments);
}

// xdg-email fills in a mail's subject, body and copy address for the mail
// program; everything else goes to xdg-open.
QString openerFor(const QUrl &url)
{
    const QString path = qEnvironmentVariable("PATH");
    if (url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) == 0) {
        const QString mailer = FindProgramOnPath(QStringLiteral("xdg-email"), path);
        if (!mailer.isEmpty())
            return mailer;
    }
    return FindProgramOnPath(QStringLiteral("xdg-open"), path);
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

QString FindTypedPath(const QString &path, const QString &base)
{
    if (path.trimmed().isEmpty())
        return {};
    const QFileInfo typed(QDir::isAbsolutePath(path) ? path : QDir(base).filePath(path));
    if (!typed.exists() && !typed.isSymLink())
        return {};
    return QDir::cleanPath(typed.absoluteFilePath());
}

LinuxShell::LinuxShell(UrlOpener openUrl) : m_openUrl(std::move(openUrl))
{
}

bool LinuxShell::open(const QString &target)
{
    return launch(target, {});
}

void LinuxShell::openWatched(const QString &target, std::function<void()> failed)
{
    if (!launch(target, failed) && failed)
        failed();
}

bool LinuxShell::launch(const QString &target, std::function<void()> failed)
{
    if (target.trimmed().isEmpty())
        return false;
    if (looksLikeUrl(target))
        return openUrl(QUrl(target, QUrl::TolerantMode), std::move(failed));
    const QString file = FindTypedPath(target, QDir::currentPath());
    if (!file.isEmpty())
        return openUrl(QUrl::fromLocalFile(file), std::move(failed));
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

bool LinuxShell::openUrl(const QUrl &url, std::function<void()> failed)
{
    if (!url.isValid())
        return false;
    if (m_openUrl)
        return m_openUrl(url);
    const QString opener = openerFor(url);
    // Without the desktop's opener Qt still knows a few browsers of its own,
    // but tells only whether one could be started.
    if (opener.isEmpty())
        return QDesktopServices::openUrl(url);
    const QString argument = url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded);
    return openWithOpener(opener, argument, std::move(failed));
}

// The opener's exit status is its verdict: anything but 0 means nothing was
// opened (no browser, no program for the file, a broken address).
bool LinuxShell::openWithOpener(const QString &opener, const QString &argument, std::function<void()> failed)
{
    WatchedLaunch *launched = WatchedLaunch::start(opener, {argument}, &m_openers);
    if (!launched)
        return false;
    QObject::connect(launched, &WatchedLaunch::finished, launched, [failed = std::move(failed)](int status) {
        if (status != 0 && failed)
            failed();
    });
    return true;
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
