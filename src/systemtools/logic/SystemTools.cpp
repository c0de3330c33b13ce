#include "systemtools/logic/SystemTools.h"

#include "common/logic/MessageBoxes.h"
#include "console/logic/Console.h"
#include "platform/Power.h"

namespace veltrano {

void OpenLauncher(DesktopTool tool, Shell &shell, MessageBoxes &messages)
{
    if (!shell.startTool(tool))
        messages.notice(QString::fromUtf16(kLauncherFailedMessage));
}

void OpenPanel(DesktopTool tool, Shell &shell)
{
    shell.startTool(tool);
}

void StartBackup(Shell &shell, MessageBoxes &messages)
{
    if (!shell.startTool(DesktopTool::Backup))
        messages.notice(QString::fromUtf16(kUnknownOperatorMessage));
}

void GoToSleepMode(MessageBoxes &messages, Power &power, std::function<void()> disableAlarm)
{
    messages.ask(QString::fromUtf16(kSleepQuestion), true,
                 [&power, disableAlarm = std::move(disableAlarm)](MessageBoxes::Answer answer) {
                     if (answer != MessageBoxes::Answer::Yes)
                         return;
                     if (disableAlarm)
                         disableAlarm();
                     // A refusal is not reported: the alarm stays off all the same.
                     power.suspend();
                 });
}

} // namespace veltrano
