// The end of a run waits for the writes still queued, but not for ever: a
// disk that takes longer than the bound gets the files it has not taken
// named to the user, and they are then written all the same.
#include "support/AssembledProgram.h"

#include "common/logic/BackgroundWriter.h"
#include "platform/fake/SlowDisk.h"
#include "todo/logic/ToDoListModel.h"

#include <QDir>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class ExitWaitsForTheDisk : public AssembledProgram {
protected:
    ExitWaitsForTheDisk() { platform.otherDisk = &disk; }
    ~ExitWaitsForTheDisk() override { program.reset(); } // before the disk it writes to goes
    SlowDisk disk;
};

} // namespace

TEST_F(ExitWaitsForTheDisk, FilesTheDiskDidNotTakeInTimeAreNamedAndThenWritten)
{
    create();
    BackgroundWriter &writer = program->context().files();
    ASSERT_TRUE(writer.writesInBackground());
    QCoreApplication::processEvents();
    ASSERT_TRUE(writer.waitUntilWritten(std::chrono::seconds(5))); // what start-up wrote
    disk.nextDelayMs = kQueuedWritesExitWaitMs + 1000; // a stick that stalls past the bound
    program->toDo().list().AppendToDoItem(QStringLiteral("Written late"));
    QCoreApplication::processEvents(); // the turn that hands the list to the writer
    program->shutDown();
    const QString list = QDir::toNativeSeparators(dir.file(QStringLiteral("list.todo")));
    EXPECT_EQ(messages.texts().filter(QStringLiteral("did not take")),
              QStringList{QueuedWritesLateMessage({list}, kQueuedWritesExitWaitMs / 1000)});
    EXPECT_TRUE(dir.read(QStringLiteral("list.todo")).contains("Written late"));
}
