#pragma once
#include <QSize>

namespace veltrano {

class SettingsStore;

enum class Bar { Main, Bottom, Status };
// Stores a bar's visibility at once ("ToolBars" section).
bool WriteBarShown(SettingsStore &settings, Bar bar, bool shown);

enum class SizePreset { Default, Large, VeryLarge };
QSize SizePresetOuterSize(SizePreset preset);

} // namespace veltrano
