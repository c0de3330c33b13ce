#pragma once
// The interface between LinuxSound and the module that carries Qt Multimedia.
#include <QString>
#include <QtPlugin>
#include <functional>

namespace veltrano {

// A player that knows nothing of the program: LinuxSound loads the module
// holding it when the first sound is played.
class SoundPlayerPlugin {
public:
    virtual ~SoundPlayerPlugin() = default;
    // Stops what played before and plays `path` once. `done` is called once,
    // later: true as soon as the sound is heard, false when it cannot be
    // played. A newer play() or stop() drops the answer still owed.
    virtual void play(const QString &path, std::function<void(bool played)> done) = 0;
    virtual void stop() = 0;
};

} // namespace veltrano

#define VELTRANO_SOUND_PLAYER_IID "org.veltrano.SoundPlayerPlugin/1"
Q_DECLARE_INTERFACE(veltrano::SoundPlayerPlugin, VELTRANO_SOUND_PLAYER_IID)
