#pragma once

namespace veltrano {

class SettingsStore;

// The seven settings the options dialog edits, with the defaults the dialog
// reads them with (its own: "Save window position" and "Save window size"
// show unticked when nothing is stored, though start-up restores both).
struct ConfigurationValues {
    bool toDoPos = true;       // "Common"/"To-Do Pos"
    bool toDoAlpha = true;     // "Common"/"To-Do Alpha"
    int toDoAlphaPos = 230;    // "Common"/"To-Do Alpha Pos", 0 clear to 255 opaque
    bool saveWinPos = false;   // "MainForm"/"SaveWinPos"
    bool saveWinSize = false;  // "MainForm"/"SaveWinSize"
    bool clockPosition = false; // "Common"/"Clock Position"
    bool toDoAutostart = true; // "Common"/"To-Do Autostart"

    friend bool operator==(const ConfigurationValues &, const ConfigurationValues &) = default;
};

ConfigurationValues ReadConfigurationValues(const SettingsStore &settings);
// Writes in the dialog's fixed order, "QAS Alpha" getting the value of
// "To-Do Alpha" once more; stops at the first refused write (false).
bool WriteConfigurationValues(SettingsStore &settings, const ConfigurationValues &values);

} // namespace veltrano
