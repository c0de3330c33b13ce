// The end of a run waits for the writes still queued, but not for ever: a
// disk that takes longer than the bound gets the files it has not taken
// named to the user, and they are then written at once all the same.
#include "support/AssembledProgram.h"

#include "common/logic/BackgroundWriter.h"
#include "todo/logic/ToDoListModel.h"

#include <QDir>

#include <condition_variable>
#include <mutex>
#include <thread>

using namespace veltrano;
using namespace veltrano::test;

namespace {

// The real disk, holding every write back while the test says so (a network
// folder that went away, a USB stick that stalls).
class StallingDisk final : public QtFileSystem {
public:
    bool callableFromAnyThread() const override { return true; }
    IoStatus replaceFile(const QString &path, const QByteArray &bytes) override
    {
        {
            std::unique_lock lock(m_mutex);
            m_released.wait(lock, [this] { return !m_stalled; });
        }
        return QtFileSystem::replaceFile(path, bytes);
    }
    void stall()
    {
        const std::lock_guard lock(m_mutex);
        m_stalled = true;
    }
    void release()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stalled = false;
        }
        m_released.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_stalled = false;
};

class ExitWaitsForTheDisk : public AssembledProgram {
protected:
    ExitWaitsForTheDisk() { platform.otherDisk = &disk; }
    ~ExitWaitsForTheDisk() override
    {
        disk.release();
        if (letGo.joinable())
            letGo.join();
        program.reset(); // before the disk it writes to goes
    }
    StallingDisk disk;
    std::thread letGo;
};

} // namespace

TEST_F(ExitWaitsForTheDisk, FilesTheDiskDidNotTakeInTimeAreNamedAndThenWritten)
{
    create();
    BackgroundWriter &writer = program->context().files();
    ASSERT_TRUE(writer.writesInBackground());
    QCoreApplication::processEvents();
    ASSERT_TRUE(writer.waitUntilWritten(std::chrono::seconds(5))); // what start-up wrote
    disk.stall();
    program->toDo().list().AppendToDoItem(QStringLiteral("Written late"));
    QCoreApplication::processEvents(); // the turn that hands the list to the writer
    // The disk comes back only after the bound.
    letGo = std::thread([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(kQueuedWritesExitWaitMs + 1000));
        disk.release();
    });
    program->shutDown();
    const QString list = QDir::toNativeSeparators(dir.file(QStringLiteral("list.todo")));
    EXPECT_EQ(messages.texts().filter(QStringLiteral("did not take")),
              QStringList{QueuedWritesLateMessage({list}, kQueuedWritesExitWaitMs / 1000)});
    EXPECT_TRUE(dir.read(QStringLiteral("list.todo")).contains("Written late"));
}
