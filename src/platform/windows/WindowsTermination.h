#pragma once
#include "platform/Termination.h"
#include "platform/windows/HiddenWindow.h"

#include <memory>

namespace veltrano {

// The session's end: Windows asks every top-level window with
// WM_QUERYENDSESSION, then tells it with WM_ENDSESSION, after which the
// process may be ended at any moment. So the normal shutdown is started at
// the question: the answer lets the session end, the event loop ends on its
// next turn and everything is saved before the process is left alone to die.
// WM_ENDSESSION repeats the request for a question that never came to us.
class WindowsTermination final : public Termination {
    Q_OBJECT
public:
    using Termination::Termination;
    ~WindowsTermination() override;
    void watch() override;

private:
    std::unique_ptr<HiddenWindow> m_window;
    bool m_requested = false;
};

} // namespace veltrano
