#include "systemtools/logic/CdTrayMover.h"

#include "platform/fake/FakePlatform.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <future>

using namespace veltrano;

// A drive that hangs in its call keeps the mover's thread, never the caller:
// waiting is bounded, the mover's end does not wait at all, and what was asked
// after the hanging move is dropped rather than done at some later moment.
TEST(CdTrayMover, AHangingDriveHoldsNoOneUp)
{
    FakeCdTray tray;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    tray.whileMoving = [released] { released.wait(); };
    QElapsedTimer timer;
    timer.start();
    {
        CdTrayMover mover(tray);
        mover.open();
        mover.close();
        EXPECT_FALSE(mover.waitForDone(200));
        EXPECT_LT(timer.elapsed(), 2000);
    }
    EXPECT_LT(timer.elapsed(), 2000);
    release.set_value();
    for (int i = 0; i < 200 && tray.moves.isEmpty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(tray.moves, QStringList{QStringLiteral("open")});
}
