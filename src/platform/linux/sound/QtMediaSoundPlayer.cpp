#include "platform/linux/sound/QtMediaSoundPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QLoggingCategory>
#include <QMediaPlayer>
#include <QUrl>

namespace veltrano {
namespace {

// Silent unless QT_LOGGING_RULES asks for it (the end-to-end tests do).
Q_LOGGING_CATEGORY(lcSound, "veltrano.sound", QtWarningMsg)

constexpr int kPatienceMs = 10000;

} // namespace

QtMediaSoundPlayer::QtMediaSoundPlayer()
{
    // Only GStreamer plays MIDI; a Qt whose default is another back end must
    // not take it from us. The back end is chosen when the first player is made.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    m_player = std::make_unique<QMediaPlayer>();
    m_output = std::make_unique<QAudioOutput>();
    m_player->setAudioOutput(m_output.get());

    connect(m_player.get(), &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString &why) {
        qCInfo(lcSound) << "cannot play" << m_path << ":" << why;
        answer(false);
    });
    connect(m_player.get(), &QMediaPlayer::positionChanged, this, [this](qint64 ms) {
        if (ms > 0 && m_done) {
            qCInfo(lcSound) << "playing" << m_path;
            answer(true);
        }
    });
    connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia) {
            qCInfo(lcSound) << "played to the end" << m_path;
            answer(true);
        } else if (status == QMediaPlayer::InvalidMedia) {
            answer(false);
        }
    });
    m_patience.setSingleShot(true);
    m_patience.setInterval(kPatienceMs);
    connect(&m_patience, &QTimer::timeout, this, [this] {
        qCInfo(lcSound) << "no answer from the player for" << m_path;
        m_player->stop();
        answer(false);
    });
}

// The player goes before the output it plays into.
QtMediaSoundPlayer::~QtMediaSoundPlayer()
{
    m_player.reset();
}

void QtMediaSoundPlayer::play(const QString &path, std::function<void(bool played)> done)
{
    m_done = nullptr;
    m_player->stop();
    m_path = path;
    m_done = std::move(done);
    // With no sound server or card the pipeline plays into nothing, and does
    // so without a complaint: the alarm would ring unheard.
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) {
        qCInfo(lcSound) << "no audio output to play" << path;
        answer(false);
        return;
    }
    m_output->setDevice(output);
    m_patience.start();
    qCInfo(lcSound) << "opening" << path;
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void QtMediaSoundPlayer::stop()
{
    m_done = nullptr;
    m_patience.stop();
    m_player->stop();
}

void QtMediaSoundPlayer::answer(bool played)
{
    m_patience.stop();
    if (auto done = std::exchange(m_done, nullptr))
        done(played);
}

} // namespace veltrano
