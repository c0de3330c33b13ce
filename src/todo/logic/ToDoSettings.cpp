#include "todo/logic/ToDoSettings.h"

#include "common/logic/SettingsStore.h"

namespace veltrano {

bool ReadToDoAutostart(const SettingsStore &settings)
{
    return settings.readBool(QStringLiteral("Common"), QStringLiteral("To-Do Autostart"), true);
}

} // namespace veltrano
