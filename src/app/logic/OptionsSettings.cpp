#include "app/logic/OptionsSettings.h"

#include "common/logic/SettingsStore.h"

#include <algorithm>
#include <utility>

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

void OptionsValues::load(const SettingsStore &settings)
{
    const ConfigurationValues stored = ReadConfigurationValues(settings);
    m_values.toDoPos = stored.toDoPos;
    setToDoAlpha(stored.toDoAlpha);
    setToDoAlphaPos(stored.toDoAlphaPos);
    m_values.saveWinPos = stored.saveWinPos;
    m_values.saveWinSize = stored.saveWinSize;
    m_values.clockPosition = stored.clockPosition;
    m_values.toDoAutostart = stored.toDoAutostart;
    emit changed();
}

bool OptionsValues::save(SettingsStore &settings) const
{
    return WriteConfigurationValues(settings, m_values);
}

void OptionsValues::setToDoAlpha(bool on)
{
    if (std::exchange(m_values.toDoAlpha, on) == on)
        return;
    emit blendingSwitched(on);
    emit changed();
}

void OptionsValues::setToDoAlphaPos(int position)
{
    position = std::clamp(position, 0, 255);
    if (std::exchange(m_values.toDoAlphaPos, position) == position)
        return;
    setToDoAlpha(true);
    emit blendValueSet(position);
    emit changed();
}

} // namespace veltrano
