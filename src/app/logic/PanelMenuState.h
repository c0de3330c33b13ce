#pragma once
#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace veltrano {

class SettingsStore;

inline constexpr int kPanelMenuItemCount = 7;
// The panel menu paints its face this much lighter than the button face.
inline constexpr int kPanelMenuLightenPercent = 50;

// c + (255 - c) * percent / 100 for each channel, halves rounded to even.
int LightenChannel(int channel, int percent);
QColor LightenColour(const QColor &colour, int percent);

// The frame drawn behind panel menu item `item` (1 to 7); nothing otherwise.
// The rectangle spans left 4 to right 88 and (item - 1) * 52 + 4 to
// (item - 1) * 52 + 56, right and bottom edges exclusive.
std::optional<QRect> MenuFrameRect(int item);

struct TodayGridSize {
    int column1Width;
    int defaultRowHeight;
    bool operator==(const TodayGridSize &) const = default;
};
// Column 1 takes the grid's width less 60; rows share the height once the grid
// can show 26 of at least 17 pixels, otherwise they stay 16 high.
TodayGridSize TodayGridFit(int gridWidth, int gridHeight);

// Which panel menu item shows the current page and which one the mouse is
// over (0: none). Setters only store; the caller repaints.
class PanelMenuState {
public:
    unsigned selectedItem() const { return m_selected; }
    unsigned hoveredItem() const { return m_hovered; }
    void setSelectedItem(unsigned item) { m_selected = item; }
    void setHoveredItem(unsigned item) { m_hovered = item; }

private:
    unsigned m_selected = 1;
    unsigned m_hovered = 0;
};

// A hint is "short|long": tool tips show the short part, the status bar the
// long one. A hint without "|" is both.
QString HintShortPart(const QString &hint);
QString HintLongPart(const QString &hint);

enum class Bar { Main, Bottom, Status };
// Stores a bar's visibility at once ("ToolBars" section).
bool WriteBarShown(SettingsStore &settings, Bar bar, bool shown);

enum class SizePreset { Default, Large, VeryLarge };
QSize SizePresetOuterSize(SizePreset preset);

} // namespace veltrano
