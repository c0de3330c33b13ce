#pragma once
// The alarm's player on Qt Multimedia, built as a module of its own.
#include "platform/linux/SoundPlayerPlugin.h"

#include <QObject>
#include <QTimer>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace veltrano {

// GStreamer decodes every kind the alarm offers: wav and mp3 (good plugins),
// the sound of an avi, and MIDI through the soundfont synthesizer (bad
// plugins with a General MIDI soundfont).
class QtMediaSoundPlayer final : public QObject, public SoundPlayerPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELTRANO_SOUND_PLAYER_IID)
    Q_INTERFACES(veltrano::SoundPlayerPlugin)
public:
    QtMediaSoundPlayer();
    ~QtMediaSoundPlayer() override;
    void play(const QString &path, std::function<void(bool played)> done) override;
    void stop() override;

private:
    void answer(bool played);

    std::unique_ptr<QMediaPlayer> m_player;
    std::unique_ptr<QAudioOutput> m_output;
    std::function<void(bool)> m_done;
    QString m_path;
    // A pipeline that neither plays nor fails would leave the alarm without
    // an answer; after this long it counts as unplayable.
    QTimer m_patience;
};

} // namespace veltrano
