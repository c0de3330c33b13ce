#pragma once
// The main window's shortcuts to the desktop's own tools: launchers, settings
// panels, sleep. The platform layer decides which program stands for each.
#include "platform/Shell.h"

#include <functional>

namespace veltrano {

class MessageBoxes;
class Power;

inline constexpr auto kLauncherFailedMessage = u"Произошёл неожиданный сбой";
inline constexpr auto kSleepQuestion = u"Go to sleep mode? Alarm-clock will be disabled. Continue?";

// A launcher (text editor, calculator, terminal...): a desktop without one
// tells the user so.
void OpenLauncher(DesktopTool tool, Shell &shell, MessageBoxes &messages);
// A settings panel or tool: a desktop without one does nothing.
void OpenPanel(DesktopTool tool, Shell &shell);
// The desktop's backup program, started at once; a desktop without one gets
// the console's answer to a name it cannot open.
void StartBackup(Shell &shell, MessageBoxes &messages);
// Asks first; on Yes the alarm goes off before the machine sleeps, and stays
// off when the system refuses to suspend.
void GoToSleepMode(MessageBoxes &messages, Power &power, std::function<void()> disableAlarm);

} // namespace veltrano
