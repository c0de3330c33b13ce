#pragma once
#include <QColor>
#include <QRect>
#include <optional>

namespace veltrano {

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

} // namespace veltrano
