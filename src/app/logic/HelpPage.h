#pragma once
#include <QString>
#include <QStringList>

namespace veltrano {

class FileSystem;
class MessageBoxes;
class Shell;

inline constexpr auto kHelpPageName = u"Help/index.htm";
// Where `cmake --install` puts the page, relative to the installed executable.
inline constexpr auto kInstalledHelpPage = u"../share/veltrano/Help/index.htm";
inline constexpr auto kHelpFailedMessage = u"Произошёл неожиданный сбой. :(";
inline constexpr auto kDeveloperAddress = u"veltrano.developer@example.org";
inline constexpr auto kCopyAddress = u"veltrano.support@example.org";
inline constexpr auto kHomePageAddress = u"https://www.example.org/veltrano/";

// Every place the help page may be, the data folder first: a portable copy
// keeps it there; an installed one keeps its data per user and the page under
// the installation prefix.
QStringList HelpPageCandidates(const QString &dataFolder, const QString &executablePath);
// "Файл: <data folder>/Help/index.htm не найден :(", the path in native form.
QString HelpMissingMessage(const QString &dataFolder);
// The new message to the developer: subject, body and a copy address.
QString ComposeMailto();

// F1: opens the help page, or tells which file is missing.
void ShowHelpPage(Shell &shell, const FileSystem &files, MessageBoxes &messages,
                     const QString &dataFolder, const QString &executablePath);
// "Help..." in the Help menu and the About box's address: a new mail.
void MailDeveloper(Shell &shell, MessageBoxes &messages);
// "Quillon Home Page...": the maker's site in the browser.
void OpenHomePage(Shell &shell, MessageBoxes &messages);

} // namespace veltrano
