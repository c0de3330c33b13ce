#include "platform/linux/LinuxSound.h"

#include "platform/linux/SoundPlayerPlugin.h"

#include <QLoggingCategory>

namespace veltrano {
namespace {

Q_LOGGING_CATEGORY(lcSoundModule, "veltrano.sound", QtWarningMsg)

} // namespace

LinuxSound::LinuxSound(QStringList moduleFolders)
    : m_module(QStringLiteral("veltrano-sound"), std::move(moduleFolders))
{
}

// The player is stopped and deleted while the application still runs; left
// to the library's unloading at exit it would go after Qt itself.
LinuxSound::~LinuxSound()
{
    if (m_player) {
        m_player->stop();
        delete m_module.instance();
    }
}

SoundPlayerPlugin *LinuxSound::player()
{
    if (m_player)
        return m_player;
    m_player = qobject_cast<SoundPlayerPlugin *>(m_module.instance());
    if (!m_player)
        qCWarning(lcSoundModule) << "no sound:" << m_module.why();
    return m_player;
}

void LinuxSound::play(const QString &path)
{
    const quint64 thisPlay = ++m_lastPlay;
    SoundPlayerPlugin *sound = player();
    if (!sound) {
        answerLater(path, false);
        return;
    }
    sound->play(path, [this, path, thisPlay](bool played) {
        if (thisPlay == m_lastPlay)
            answerLater(path, played);
    });
}

} // namespace veltrano
