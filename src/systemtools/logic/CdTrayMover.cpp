#include "systemtools/logic/CdTrayMover.h"

#include "platform/CdTray.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace veltrano {

// Shared with the worker, which may outlive the mover while a drive hangs.
struct CdTrayMover::Queue {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<bool> moves; // true: open
    bool moving = false;
    bool workerRunning = false;
    bool ended = false;
};

CdTrayMover::CdTrayMover(CdTray &tray) : m_tray(tray), m_queue(std::make_shared<Queue>()) {}

CdTrayMover::~CdTrayMover()
{
    const std::lock_guard lock(m_queue->mutex);
    m_queue->ended = true;
    m_queue->moves.clear();
    m_queue->changed.notify_all();
}

void CdTrayMover::open()
{
    ask(true);
}

void CdTrayMover::close()
{
    ask(false);
}

void CdTrayMover::ask(bool open)
{
    const std::lock_guard lock(m_queue->mutex);
    m_queue->moves.push_back(open);
    m_queue->changed.notify_all();
    if (m_queue->workerRunning)
        return;
    m_queue->workerRunning = true;
    // Detached: a worker stuck in a drive's call cannot be joined, and the
    // program must still be able to end.
    std::thread([queue = m_queue, &tray = m_tray] {
        std::unique_lock lock(queue->mutex);
        for (;;) {
            queue->changed.wait(lock, [&] { return queue->ended || !queue->moves.empty(); });
            if (queue->ended)
                break;
            const bool openIt = queue->moves.front();
            queue->moves.pop_front();
            queue->moving = true;
            lock.unlock();
            // The tray belongs to the platform, which outlives the mover; a
            // move is only begun while the mover is there.
            if (openIt)
                tray.open();
            else
                tray.close();
            lock.lock();
            queue->moving = false;
            queue->changed.notify_all();
        }
        queue->workerRunning = false;
    }).detach();
}

bool CdTrayMover::waitForDone(int msecs)
{
    std::unique_lock lock(m_queue->mutex);
    const auto done = [this] { return m_queue->moves.empty() && !m_queue->moving; };
    if (msecs < 0) {
        m_queue->changed.wait(lock, done);
        return true;
    }
    return m_queue->changed.wait_for(lock, std::chrono::milliseconds(msecs), done);
}

} // namespace veltrano
