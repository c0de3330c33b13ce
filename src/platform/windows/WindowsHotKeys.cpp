#include "platform/windows/WindowsHotKeys.h"

#include <QMetaObject>

namespace veltrano {

VirtualHotKey ToVirtualHotKey(int key, int modifiers)
{
    VirtualHotKey hotKey;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        hotKey.key = VK_F1 + unsigned(key - Qt::Key_F1);
    else if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        hotKey.key = unsigned(key); // the virtual keys of letters and digits are their ASCII codes
    else if (key == Qt::Key_Space)
        hotKey.key = VK_SPACE;
    else if (key == Qt::Key_Insert)
        hotKey.key = VK_INSERT;
    else if (key == Qt::Key_Home)
        hotKey.key = VK_HOME;
    else if (key == Qt::Key_End)
        hotKey.key = VK_END;
    if (modifiers & Qt::ControlModifier)
        hotKey.modifiers |= MOD_CONTROL;
    if (modifiers & Qt::ShiftModifier)
        hotKey.modifiers |= MOD_SHIFT;
    if (modifiers & Qt::AltModifier)
        hotKey.modifiers |= MOD_ALT;
    if (modifiers & Qt::MetaModifier)
        hotKey.modifiers |= MOD_WIN;
    return hotKey;
}

WindowsHotKeys::~WindowsHotKeys()
{
    for (int id : std::as_const(m_registered))
        UnregisterHotKey(m_window->handle(), id);
}

HiddenWindow &WindowsHotKeys::window()
{
    if (!m_window) {
        m_window = std::make_unique<HiddenWindow>(
            HiddenWindow::Kind::MessageOnly, [this](UINT message, WPARAM wParam, LPARAM, LRESULT &result) {
                if (message != WM_HOTKEY)
                    return false;
                const int id = int(wParam);
                // From the event loop, as on every other platform: a handler
                // that opens a window must not run inside this procedure.
                QMetaObject::invokeMethod(this, [this, id] { emit hotKeyPressed(id); }, Qt::QueuedConnection);
                result = 0;
                return true;
            });
    }
    return *m_window;
}

HotKeys::Refusal WindowsHotKeys::registerHotKey(int id, int key, int modifiers)
{
    const VirtualHotKey hotKey = ToVirtualHotKey(key, modifiers);
    if (hotKey.key == 0 || !window().handle())
        return Refusal::Unsupported;
    if (m_registered.contains(id))
        unregisterHotKey(id);
    // MOD_NOREPEAT: a key held down is one press, not a stream of them.
    if (!RegisterHotKey(window().handle(), id, hotKey.modifiers | MOD_NOREPEAT, hotKey.key))
        return Refusal::HeldByAnotherProgram;
    m_registered.insert(id);
    return Refusal::None;
}

void WindowsHotKeys::unregisterHotKey(int id)
{
    if (m_registered.remove(id))
        UnregisterHotKey(m_window->handle(), id);
}

} // namespace veltrano
