#pragma once
#include "platform/Sound.h"

#include "platform/qt/ModuleLoader.h"

namespace veltrano {

class SoundPlayerPlugin;

// Sound through the module that holds Qt Multimedia (veltrano-sound.so),
// loaded when the first sound is played: the media back end and GStreamer
// cost start-up nothing, and a program whose module is missing still runs,
// answering every play with `failed`.
class LinuxSound final : public Sound {
    Q_OBJECT
public:
    // `moduleFolders`: where to look for the module, in order; empty means
    // beside the executable, then where an installed program keeps it.
    explicit LinuxSound(QStringList moduleFolders = {});
    ~LinuxSound() override;
    void play(const QString &path) override;
    bool isLoaded() const { return m_player != nullptr; }

private:
    SoundPlayerPlugin *player();

    ModuleLoader m_module;
    SoundPlayerPlugin *m_player = nullptr;
    quint64 m_lastPlay = 0;
};

} // namespace veltrano
