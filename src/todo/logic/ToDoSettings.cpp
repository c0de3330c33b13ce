#include "todo/logic/ToDoSettings.h"

#include "common/logic/SettingsStore.h"

#include <algorithm>

namespace veltrano {
namespace {

QString formSection()
{
    return QString::fromUtf16(kToDoFormSection);
}

int clampBlend(int value)
{
    return std::clamp(value, 0, 255);
}

} // namespace

bool ReadToDoAutostart(const SettingsStore &settings)
{
    return settings.readBool(QStringLiteral("Common"), QStringLiteral("To-Do Autostart"), true);
}

bool ReadToDoPositionMemory(const SettingsStore &settings)
{
    return settings.readBool(QStringLiteral("Common"), QStringLiteral("To-Do Pos"), true);
}

QRect ReadToDoPlacement(const SettingsStore &settings)
{
    const QString section = formSection();
    const QRect d = kDefaultToDoPlacement;
    return QRect(settings.readInteger(section, QStringLiteral("Left"), d.x()),
                 settings.readInteger(section, QStringLiteral("Top"), d.y()),
                 settings.readInteger(section, QStringLiteral("Width"), d.width()),
                 settings.readInteger(section, QStringLiteral("Height"), d.height()));
}

bool WriteToDoPlacement(SettingsStore &settings, const QRect &placement)
{
    const QString section = formSection();
    return settings.writeInteger(section, QStringLiteral("Left"), placement.x())
           && settings.writeInteger(section, QStringLiteral("Top"), placement.y())
           && settings.writeInteger(section, QStringLiteral("Width"), placement.width())
           && settings.writeInteger(section, QStringLiteral("Height"), placement.height());
}

int BlendOnShow(int configured)
{
    return clampBlend(configured - 10);
}

int BlendUnderMouse(int configured)
{
    return clampBlend(configured);
}

int BlendAfterMouseLeft(int configured)
{
    return clampBlend(configured - 5);
}

} // namespace veltrano
