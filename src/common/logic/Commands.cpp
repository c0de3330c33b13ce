#include "common/logic/Commands.h"

#include <QtGlobal>

namespace veltrano {

const char *commandName(Command command)
{
#define VELTRANO_COMMAND_NAME(id, objectName) #objectName,
    static constexpr const char *names[] = {VELTRANO_MAIN_COMMANDS(VELTRANO_COMMAND_NAME)};
#undef VELTRANO_COMMAND_NAME
    const auto index = static_cast<int>(command);
    return index >= 0 && index < kCommandCount ? names[index] : "(no such command)";
}

void CommandTable::add(Command command, QAction *action)
{
    m_actions[static_cast<size_t>(command)] = action;
}

bool CommandTable::contains(Command command) const
{
    const auto index = static_cast<int>(command);
    return index >= 0 && index < kCommandCount && m_actions[static_cast<size_t>(index)];
}

QAction *CommandTable::action(Command command) const
{
    if (!contains(command))
        qFatal("The main window has no command %s", commandName(command));
    return m_actions[static_cast<size_t>(command)];
}

} // namespace veltrano
