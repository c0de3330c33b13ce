#include "console/logic/Console.h"

#include "common/logic/MessageBoxes.h"
#include "platform/Shell.h"

#include <QLocale>

namespace veltrano {

ConsoleWord BuiltInConsoleWord(const QString &upperCased)
{
    for (const char16_t *word : {u"EXIT", u"EXIT;", u"CLOSE", u"CLOSE;"}) {
        if (upperCased == QStringView(word))
            return ConsoleWord::CloseProgram;
    }
    if (upperCased == u"HELP" || upperCased == u"HELP;")
        return ConsoleWord::KeymapInfo;
    return ConsoleWord::None;
}

void RunConsoleCommand(const QString &text, Shell &shell, MessageBoxes &messages, const ConsoleReactions &reactions)
{
    switch (BuiltInConsoleWord(QLocale().toUpper(text))) {
    case ConsoleWord::CloseProgram:
        reactions.closeMainWindow();
        return;
    case ConsoleWord::KeymapInfo:
        reactions.showKeymapInfo();
        return;
    case ConsoleWord::None:
        break;
    }
    shell.openWatched(text, [&messages] { messages.notice(QString::fromUtf16(kUnknownOperatorMessage)); });
}

} // namespace veltrano
