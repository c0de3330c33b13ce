#pragma once
#include <functional>

class QDialog;

namespace veltrano {

// Every modal dialog of ours (the About box, the options dialog, the editors
// and pickers) is opened through here, so a test can answer it at once. A
// dialog opens and the call returns: nothing waits in a nested event loop
// while the timers tick, and `done` runs with the dialog's result when it
// closes. A dialog already open is brought to the front instead (its first
// `done` still stands).
class ModalDialogs {
public:
    using Done = std::function<void(int result)>;
    virtual ~ModalDialogs() = default;
    virtual void open(QDialog &dialog, Done done = {}) = 0;
};

} // namespace veltrano
