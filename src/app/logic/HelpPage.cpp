#include "app/logic/HelpPage.h"

#include "app/logic/Startup.h"
#include "common/logic/MessageBoxes.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"

#include <QDir>

namespace veltrano {

QStringList HelpPageCandidates(const QString &dataFolder, const QString &executablePath)
{
    const QString programFolder = ResolveDataFolder(executablePath);
    QStringList candidates{dataFolder + QString::fromUtf16(kHelpPageName)};
    if (programFolder.isEmpty())
        return candidates;
    // An installed program may still write beside itself (run by root): the
    // page under the prefix is looked for all the same.
    candidates << programFolder + QString::fromUtf16(kHelpPageName)
               << QDir::cleanPath(programFolder + QString::fromUtf16(kInstalledHelpPage));
    candidates.removeDuplicates();
    return candidates;
}

QString HelpMissingMessage(const QString &dataFolder)
{
    return QStringLiteral("Файл: ") + QDir::toNativeSeparators(dataFolder + QString::fromUtf16(kHelpPageName))
           + QStringLiteral(" не найден :(");
}

QString ComposeMailto()
{
    return QStringLiteral("mailto:") + QString::fromUtf16(kDeveloperAddress)
           + QStringLiteral("?subject=New letter&Body=Dear%20developer%0D%0AThank%20you&CC=")
           + QString::fromUtf16(kCopyAddress);
}

namespace {

// A desktop without a browser or mail program would otherwise swallow the
// command without a word: whatever the opener cannot open is reported, also
// when it finds out only after we asked.
void openOrReport(Shell &shell, MessageBoxes &messages, const QString &target)
{
    const auto report = [&messages] { messages.notice(QString::fromUtf16(kHelpFailedMessage)); };
    try {
        shell.openWatched(target, report);
    } catch (...) {
        report();
    }
}

} // namespace

void ShowHelpPage(Shell &shell, const FileSystem &files, MessageBoxes &messages,
                     const QString &dataFolder, const QString &executablePath)
{
    for (const QString &page : HelpPageCandidates(dataFolder, executablePath)) {
        if (files.exists(page)) {
            openOrReport(shell, messages, page);
            return;
        }
    }
    messages.notice(HelpMissingMessage(dataFolder));
}

void MailDeveloper(Shell &shell, MessageBoxes &messages)
{
    openOrReport(shell, messages, ComposeMailto());
}

void OpenHomePage(Shell &shell, MessageBoxes &messages)
{
    openOrReport(shell, messages, QString::fromUtf16(kHomePageAddress));
}

} // namespace veltrano
