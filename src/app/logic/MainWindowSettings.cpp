#include "app/logic/MainWindowSettings.h"

#include "common/logic/SettingsStore.h"

namespace veltrano {

bool WriteBarShown(SettingsStore &settings, Bar bar, bool shown)
{
    QString key;
    switch (bar) {
    case Bar::Main: key = QStringLiteral("Main"); break;
    case Bar::Bottom: key = QStringLiteral("Bottom"); break;
    case Bar::Status: key = QStringLiteral("Status"); break;
    }
    return settings.writeBool(QStringLiteral("ToolBars"), key, shown);
}

QSize SizePresetOuterSize(SizePreset preset)
{
    switch (preset) {
    case SizePreset::Default: return {640, 450};
    case SizePreset::Large: return {740, 567};
    case SizePreset::VeryLarge: return {815, 616};
    }
    return {640, 450};
}

} // namespace veltrano
