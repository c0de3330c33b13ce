#pragma once
#include <QRect>

namespace veltrano {

class SettingsStore;

inline constexpr auto kToDoFormSection = u"ToDo Form";
// Outer placement of the to-do window when "ToDo Form" holds nothing.
inline constexpr QRect kDefaultToDoPlacement{0, 0, 226, 356};

// What the options dialog says about the to-do window's blending at the
// moment it is asked: on or off, and the configured value (0 clear to 255
// opaque). Without an options dialog the window stays opaque.
struct ToDoBlend {
    bool enabled = false;
    int value = 255;
};

// "Common"/"To-Do Autostart": the to-do window comes up with every showing of
// the main window.
bool ReadToDoAutostart(const SettingsStore &settings);
// "Common"/"To-Do Pos": the to-do window opens where it was left.
bool ReadToDoPositionMemory(const SettingsStore &settings);

// The to-do window's outer left, top, width and height ("ToDo Form").
QRect ReadToDoPlacement(const SettingsStore &settings);
// Left, Top, Width, Height in that order; false at the first refused write.
bool WriteToDoPlacement(SettingsStore &settings, const QRect &placement);

// The to-do window's opacity (0 clear to 255 opaque) for a configured blend
// value: a little clearer when it appears, the full value under the mouse,
// in between once the mouse has left. A configured value too low for the
// step stays at fully clear instead of wrapping round to nearly opaque.
int BlendOnShow(int configured);
int BlendUnderMouse(int configured);
int BlendAfterMouseLeft(int configured);

} // namespace veltrano
