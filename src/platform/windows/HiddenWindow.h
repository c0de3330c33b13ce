#pragma once
#include <functional>

#include <windows.h>

namespace veltrano {

// A window of our own that is never shown, for messages that come to a
// window rather than to a widget: WM_HOTKEY, and the session's end, which
// Windows sends to every top-level window. Its procedure hands each message
// to `handler`, which returns true with `result` set when it took it.
class HiddenWindow {
public:
    using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result)>;
    enum class Kind {
        MessageOnly, // receives messages sent or posted to it, no broadcasts
        TopLevel     // also the broadcasts every top-level window gets
    };
    HiddenWindow(Kind kind, Handler handler);
    ~HiddenWindow();
    HiddenWindow(const HiddenWindow &) = delete;
    HiddenWindow &operator=(const HiddenWindow &) = delete;

    HWND handle() const { return m_window; }

    // The class name our hidden windows are registered under, by which a
    // test can find one.
    static const wchar_t *className();

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    Handler m_handler;
    HWND m_window = nullptr;
};

} // namespace veltrano
