#pragma once
#include <memory>

namespace veltrano {

class CdTray;

// How long the end of the program waits for a tray still moving: a tray
// takes a few seconds; a drive that never answers must not keep the program.
inline constexpr int kCdTrayExitWaitMs = 5000;

// Moves the CD tray off the GUI thread, one move after another in the order
// they were asked for, so the windows stay responsive while it moves. A
// drive can hang in its call for good: waiting is always bounded, and the
// mover's end does not wait at all (a move under way finishes on its own,
// moves not yet begun are dropped).
class CdTrayMover {
public:
    explicit CdTrayMover(CdTray &tray);
    ~CdTrayMover();
    CdTrayMover(const CdTrayMover &) = delete;
    CdTrayMover &operator=(const CdTrayMover &) = delete;

    void open();
    void close();
    // Waits at most `msecs` (a negative value: no bound) for the moves asked
    // for so far; false when the time ran out first.
    bool waitForDone(int msecs);

private:
    struct Queue;
    void ask(bool open);

    CdTray &m_tray;
    std::shared_ptr<Queue> m_queue;
};

} // namespace veltrano
