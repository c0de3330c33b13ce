#pragma once
// Where the desk clock opens, as the settings file keeps it.
#include <QPoint>
#include <optional>

namespace veltrano {

class SettingsStore;

// "Deduvi Form"/"Left" and "Top" when "Common"/"Clock Position" asks for the
// saved place; nothing when the clock is to open centred.
std::optional<QPoint> ReadClockPosition(const SettingsStore &settings);
// Written at every close of the clock, whatever "Clock Position" says; stops
// at the first refused write.
bool WriteClockPosition(SettingsStore &settings, QPoint topLeft);

} // namespace veltrano
