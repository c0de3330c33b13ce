#include "platform/linux/LinuxSound.h"

#include "support/TempFolder.h"

#include <QFile>
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

} // namespace

// One test for the real back end: loading it is the slow part.
TEST(LinuxSound, PlaysEveryKindOnceLoadedAndRefusesWhatItCannotPlay)
{
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

TEST(LinuxSound, WithoutItsModuleEveryPlayFailsLater)
{
    TempFolder empty;
    LinuxSound sound({empty.path()});
    EXPECT_EQ(playAndWait(sound, kSounds + QStringLiteral("beep.wav")), false);
    EXPECT_FALSE(sound.isLoaded());
}
