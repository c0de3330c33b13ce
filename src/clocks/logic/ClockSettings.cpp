#include "clocks/logic/ClockSettings.h"

#include "common/logic/SettingsStore.h"

namespace veltrano {
namespace {

const QString kSection = QStringLiteral("Deduvi Form");
const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");

} // namespace

std::optional<QPoint> ReadClockPosition(const SettingsStore &settings)
{
    if (!settings.readBool(QStringLiteral("Common"), QStringLiteral("Clock Position"), false))
        return std::nullopt;
    return QPoint(settings.readInteger(kSection, kLeft, 0), settings.readInteger(kSection, kTop, 0));
}

bool WriteClockPosition(SettingsStore &settings, QPoint topLeft)
{
    return settings.writeInteger(kSection, kLeft, topLeft.x()) && settings.writeInteger(kSection, kTop, topLeft.y());
}

} // namespace veltrano
