#include "app/logic/PanelMenuState.h"

#include "common/logic/SettingsStore.h"

namespace veltrano {

int LightenChannel(int channel, int percent)
{
    // Work in hundredths so the half can be seen exactly.
    const int hundredths = channel * 100 + (255 - channel) * percent;
    int whole = hundredths / 100;
    const int rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && whole % 2 != 0))
        ++whole;
    return whole;
}

QColor LightenColour(const QColor &colour, int percent)
{
    return QColor(LightenChannel(colour.red(), percent), LightenChannel(colour.green(), percent),
                  LightenChannel(colour.blue(), percent));
}

std::optional<QRect> MenuFrameRect(int item)
{
    if (item < 1 || item > kPanelMenuItemCount)
        return std::nullopt;
    const int top = (item - 1) * 52 + 4;
    return QRect(4, top, 88 - 4, 52);
}

TodayGridSize TodayGridFit(int gridWidth, int gridHeight)
{
    return {gridWidth - 60, gridHeight >= 450 ? gridHeight / 26 : 16};
}

QString HintShortPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString HintLongPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

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
