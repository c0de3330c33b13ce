#include "platform/linux/LinuxSound.h"

#include "support/TempFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

const QString kSounds = QStringLiteral(VELTRANO_TEST_SOUNDS);
const QString kModuleFolder = QStringLiteral(VELTRANO_TEST_SOUND_MODULE_DIR);
// The first play loads Qt Multimedia and GStreamer's registry; on a busy
// machine that takes a while.
constexpr int kAnswerMs = 20000;

bool multimediaLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

// Plays `path` and waits for the answer: true for playing, false for failed.
std::optional<bool> playAndWait(LinuxSound &sound, const QString &path)
{
    QSignalSpy playing(&sound, &Sound::playing);
    QSignalSpy failed(&sound, &Sound::failed);
    sound.play(path);
    if (!playing.isEmpty() || !failed.isEmpty())
        return std::nullopt; // answered inside play(): callers are promised otherwise
    for (int waited = 0; playing.isEmpty() && failed.isEmpty() && waited < kAnswerMs; waited += 100)
        playing.wait(100);
    if (playing.size() + failed.size() != 1)
        return std::nullopt;
    const QSignalSpy &answered = playing.isEmpty() ? failed : playing;
    if (answered.first().first().toString() != path)
        return std::nullopt;
    return !playing.isEmpty();
}

// A sound server of the test's own with a null sink: an audio output that
// nobody hears. The player meets it through PULSE_SERVER once it is loaded.
class NullSoundServer {
public:
    NullSoundServer()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty())
            return;
        const QString socket = m_runtime.filePath(QStringLiteral("native"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        environment.insert(QStringLiteral("HOME"), m_runtime.path());
        m_server.setProcessEnvironment(environment);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(program, {QStringLiteral("--daemonize=no"), QStringLiteral("-n"),
                                 QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                                 QStringLiteral("--disallow-exit"), QStringLiteral("--disable-shm"),
                                 u"--load=module-native-protocol-unix auth-anonymous=1 socket="_qs + socket,
                                 QStringLiteral("--load=module-null-sink sink_name=silence")});
        for (int waited = 0; waited < 5000 && !QFileInfo::exists(socket); waited += 50)
            QThread::msleep(50);
        if (QFileInfo::exists(socket))
            qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
    }
    ~NullSoundServer()
    {
        m_server.terminate();
        m_server.waitForFinished(3000);
    }
    bool running() const { return qEnvironmentVariableIsSet("PULSE_SERVER"); }

private:
    QTemporaryDir m_runtime;
    QProcess m_server;
};

} // namespace

// One test for the real back end: loading it is the slow part.
TEST(LinuxSound, PlaysEveryKindOnceLoadedAndRefusesWhatItCannotPlay)
{
    NullSoundServer server;
    if (!server.running())
        GTEST_SKIP() << "no pulseaudio (build.sh installs it) to give the player an audio output";
    LinuxSound sound({kModuleFolder});
    EXPECT_FALSE(sound.isLoaded());
    EXPECT_FALSE(multimediaLoaded()) << "Qt Multimedia came in before any sound was played";

    for (const char *name : {"beep.wav", "chime.mid", "beep.mp3", "beep.avi"})
        EXPECT_EQ(playAndWait(sound, kSounds + QLatin1String(name)), true) << name;
    EXPECT_TRUE(sound.isLoaded());
    EXPECT_TRUE(multimediaLoaded());

    TempFolder dir;
    dir.write(QStringLiteral("text.wav"), "this is no sound at all");
    EXPECT_EQ(playAndWait(sound, dir.file(QStringLiteral("text.wav"))), false);
    EXPECT_EQ(playAndWait(sound, dir.path()), false); // a folder
    EXPECT_EQ(playAndWait(sound, dir.file(QStringLiteral("gone.wav"))), false);
}

// No sound server and no card: a player would play into nothing, unheard,
// and the alarm would say it rang.
TEST(LinuxSound, WithoutAnAudioOutputEveryPlayFails)
{
    TempFolder nowhere;
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(nowhere.file(QStringLiteral("no-server"))));
    LinuxSound sound({kModuleFolder});
    EXPECT_EQ(playAndWait(sound, kSounds + QStringLiteral("beep.wav")), false);
    EXPECT_TRUE(sound.isLoaded());
    EXPECT_EQ(playAndWait(sound, kSounds + QStringLiteral("chime.mid")), false);
}

TEST(LinuxSound, WithoutItsModuleEveryPlayFailsLater)
{
    TempFolder empty;
    LinuxSound sound({empty.path()});
    EXPECT_EQ(playAndWait(sound, kSounds + QStringLiteral("beep.wav")), false);
    EXPECT_FALSE(sound.isLoaded());
}
