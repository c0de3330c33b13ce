#include "platform/linux/LinuxSound.h"

#include "platform/linux/SoundPlayerPlugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

#ifndef VELTRANO_SOUND_MODULE_DIR
#define VELTRANO_SOUND_MODULE_DIR "../lib/veltrano"
#endif

namespace veltrano {
namespace {

Q_LOGGING_CATEGORY(lcSoundModule, "veltrano.sound", QtWarningMsg)

constexpr auto kModuleName = "veltrano-sound.so";

QStringList defaultModuleFolders()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    return {executableFolder, QDir(executableFolder).filePath(QStringLiteral(VELTRANO_SOUND_MODULE_DIR))};
}

} // namespace

LinuxSound::LinuxSound(QStringList moduleFolders) : m_folders(std::move(moduleFolders)) {}

// The player is stopped and deleted while the application still runs; left
// to the library's unloading at exit it would go after Qt itself.
LinuxSound::~LinuxSound()
{
    if (m_player) {
        m_player->stop();
        delete m_loader.instance();
    }
}

SoundPlayerPlugin *LinuxSound::player()
{
    if (m_loadTried)
        return m_player;
    m_loadTried = true;
    const QStringList folders = m_folders.isEmpty() ? defaultModuleFolders() : m_folders;
    for (const QString &folder : folders) {
        const QString file = QDir(folder).filePath(QLatin1String(kModuleName));
        if (!QFileInfo::exists(file))
            continue;
        m_loader.setFileName(file);
        m_player = qobject_cast<SoundPlayerPlugin *>(m_loader.instance());
        if (m_player)
            return m_player;
        qCWarning(lcSoundModule) << "cannot load" << file << ":" << m_loader.errorString();
    }
    qCWarning(lcSoundModule) << "no sound module" << kModuleName << "in" << folders;
    return nullptr;
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

// The player may decide inside play() already (a file it cannot open); the
// answer still comes from the event loop, as callers are promised.
void LinuxSound::answerLater(const QString &path, bool played)
{
    QMetaObject::invokeMethod(
        this,
        [this, path, played] {
            if (played)
                emit playing(path);
            else
                emit failed(path);
        },
        Qt::QueuedConnection);
}

} // namespace veltrano
