#include "app/logic/OptionsSettings.h"

#include "common/logic/SettingsStore.h"

namespace veltrano {
namespace {

QString common()
{
    return QStringLiteral("Common");
}

QString mainForm()
{
    return QStringLiteral("MainForm");
}

} // namespace

ConfigurationValues ReadConfigurationValues(const SettingsStore &settings)
{
    const ConfigurationValues d;
    ConfigurationValues v;
    v.toDoPos = settings.readBool(common(), QStringLiteral("To-Do Pos"), d.toDoPos);
    v.toDoAlpha = settings.readBool(common(), QStringLiteral("To-Do Alpha"), d.toDoAlpha);
    v.toDoAlphaPos = settings.readInteger(common(), QStringLiteral("To-Do Alpha Pos"), d.toDoAlphaPos);
    v.saveWinPos = settings.readBool(mainForm(), QStringLiteral("SaveWinPos"), d.saveWinPos);
    v.saveWinSize = settings.readBool(mainForm(), QStringLiteral("SaveWinSize"), d.saveWinSize);
    v.clockPosition = settings.readBool(common(), QStringLiteral("Clock Position"), d.clockPosition);
    v.toDoAutostart = settings.readBool(common(), QStringLiteral("To-Do Autostart"), d.toDoAutostart);
    return v;
}

bool WriteConfigurationValues(SettingsStore &settings, const ConfigurationValues &v)
{
    return settings.writeBool(common(), QStringLiteral("To-Do Pos"), v.toDoPos)
           && settings.writeBool(common(), QStringLiteral("To-Do Alpha"), v.toDoAlpha)
           && settings.writeBool(common(), QStringLiteral("QAS Alpha"), v.toDoAlpha)
           && settings.writeInteger(common(), QStringLiteral("To-Do Alpha Pos"), v.toDoAlphaPos)
           && settings.writeBool(common(), QStringLiteral("Clock Position"), v.clockPosition)
           && settings.writeBool(mainForm(), QStringLiteral("SaveWinPos"), v.saveWinPos)
           && settings.writeBool(mainForm(), QStringLiteral("SaveWinSize"), v.saveWinSize)
           && settings.writeBool(common(), QStringLiteral("To-Do Autostart"), v.toDoAutostart);
}

} // namespace veltrano
