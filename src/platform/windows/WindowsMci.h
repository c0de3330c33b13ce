#pragma once
#include "platform/CdTray.h"
#include "platform/Sound.h"

namespace veltrano {

// The MCI device type that plays a file of this name: wave audio, the MIDI
// sequencer, or the DirectShow player for mp3, avi and the rest.
QString MciDeviceTypeFor(const QString &path);

// The alarm's sound through MCI (winmm), so the Windows build needs no
// media library: wav, mid, mp3 and the sound of an avi, as Windows plays
// them. Whether a file can be played is known when its device opens, so the
// answer is ready at once; it still comes from the event loop, as promised.
class WindowsSound final : public Sound {
    Q_OBJECT
public:
    using Sound::Sound;
    ~WindowsSound() override;
    void play(const QString &path) override;

private:
    bool m_open = false;
};

// The tray of the default CD drive through MCI's cdaudio device; "wait"
// returns once the tray has moved.
class WindowsCdTray final : public CdTray {
public:
    bool open() override;
    bool close() override;
};

} // namespace veltrano
