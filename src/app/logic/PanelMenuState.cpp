#include "app/logic/PanelMenuState.h"

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

} // namespace veltrano
