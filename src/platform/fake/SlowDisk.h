#pragma once
// The real disk, slowed or full on demand: a spinning disk, a USB stick that
// stalls, a network folder gone for a while, a disk with no room left.
#include "platform/qt/QtFileSystem.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace veltrano::test {

class SlowDisk final : public QtFileSystem {
public:
    std::atomic<int> delayMs{0};     // added to every write
    std::atomic<int> nextDelayMs{0}; // added to the next write only
    std::atomic<bool> full{false};
    std::atomic<int> writes{0};
    // False: the writer writes at once on the GUI thread, as every save did
    // before it had a thread of its own.
    bool anyThread = true;

    bool callableFromAnyThread() const override { return anyThread; }
    IoStatus replaceFile(const QString &path, const QByteArray &bytes) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs.load() + nextDelayMs.exchange(0)));
        ++writes;
        if (full)
            return IoStatus::failure(QStringLiteral("No space left on device"));
        return QtFileSystem::replaceFile(path, bytes);
    }
};

} // namespace veltrano::test
