#pragma once

namespace veltrano {

class SettingsStore;

// "Common"/"To-Do Autostart": the to-do window comes up with every showing of
// the main window.
bool ReadToDoAutostart(const SettingsStore &settings);

} // namespace veltrano
