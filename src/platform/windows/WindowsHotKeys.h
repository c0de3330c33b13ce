#pragma once
#include "platform/HotKeys.h"
#include "platform/windows/HiddenWindow.h"

#include <QSet>
#include <memory>

namespace veltrano {

// The Win32 virtual key and MOD_ flags for a Qt key and modifiers; a key
// of 0 for one that has no virtual key of its own.
struct VirtualHotKey {
    unsigned key = 0;
    unsigned modifiers = 0;
};
VirtualHotKey ToVirtualHotKey(int key, int modifiers);

// RegisterHotKey on a message-only window of our own: its WM_HOTKEY comes
// whichever window has the focus and while ours are hidden, and never waits
// behind a loop that drops thread messages (a menu, a window being moved).
class WindowsHotKeys final : public HotKeys {
    Q_OBJECT
public:
    using HotKeys::HotKeys;
    ~WindowsHotKeys() override;
    Refusal registerHotKey(int id, int key, int modifiers) override;
    void unregisterHotKey(int id) override;

private:
    HiddenWindow &window();
    std::unique_ptr<HiddenWindow> m_window;
    QSet<int> m_registered;
};

} // namespace veltrano
