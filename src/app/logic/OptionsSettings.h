#pragma once

#include <QObject>

namespace veltrano {

class SettingsStore;

// The seven settings the options dialog edits, with the defaults they are read
// with: the same as wherever else they are read, so the dialog shows what is
// in effect ("Save window position" and "Save window size" ticked when
// nothing is stored, as start-up restores both then).
struct ConfigurationValues {
    bool toDoPos = true;       // "Common"/"To-Do Pos"
    bool toDoAlpha = true;     // "Common"/"To-Do Alpha"
    int toDoAlphaPos = 230;    // "Common"/"To-Do Alpha Pos", 0 clear to 255 opaque
    bool saveWinPos = true;    // "MainForm"/"SaveWinPos"
    bool saveWinSize = true;   // "MainForm"/"SaveWinSize"
    bool clockPosition = false; // "Common"/"Clock Position"
    bool toDoAutostart = true; // "Common"/"To-Do Autostart"

    friend bool operator==(const ConfigurationValues &, const ConfigurationValues &) = default;
};

ConfigurationValues ReadConfigurationValues(const SettingsStore &settings);

// The values as the options dialog's controls hold them, before anything is
// loaded: boxes unticked, the slider opaque.
inline constexpr ConfigurationValues kOptionsAsCreated{.toDoPos = false,
                                                       .toDoAlpha = false,
                                                       .toDoAlphaPos = 255,
                                                       .saveWinPos = false,
                                                       .saveWinSize = false,
                                                       .clockPosition = false,
                                                       .toDoAutostart = false};

// The options as the program holds them while it runs, whether the dialog has
// been made or not. Blending is live: a change of "To-Do List alpha" switches
// the to-do window's blending, and a move of the slider first ticks "To-Do
// List alpha", then sets the blend value. Loading sets each value in turn
// with those same reactions, so the first load (from the controls' state as
// created) already blends the to-do window.
class OptionsValues final : public QObject {
    Q_OBJECT
public:
    explicit OptionsValues(QObject *parent = nullptr) : QObject(parent) {}

    const ConfigurationValues &values() const { return m_values; }
    void load(const SettingsStore &settings);
    bool save(SettingsStore &settings) const;

    void setToDoAlpha(bool on);
    void setToDoAlphaPos(int position); // held within 0 to 255
    void setToDoPos(bool on) { m_values.toDoPos = on; }
    void setSaveWinPos(bool on) { m_values.saveWinPos = on; }
    void setSaveWinSize(bool on) { m_values.saveWinSize = on; }
    void setClockPosition(bool on) { m_values.clockPosition = on; }
    void setToDoAutostart(bool on) { m_values.toDoAutostart = on; }

signals:
    void blendingSwitched(bool on);
    void blendValueSet(int value);
    // Any value changed; the dialog's controls follow.
    void changed();

private:
    ConfigurationValues m_values = kOptionsAsCreated;
};
// Writes in the dialog's fixed order, "QAS Alpha" getting the value of
// "To-Do Alpha" once more; stops at the first refused write (false).
bool WriteConfigurationValues(SettingsStore &settings, const ConfigurationValues &values);

} // namespace veltrano
