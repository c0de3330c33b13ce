#include "platform/windows/HiddenWindow.h"

namespace veltrano {
namespace {

ATOM registerClass()
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW; // replaced per window once it is made
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = HiddenWindow::className();
    return RegisterClassExW(&windowClass);
}

} // namespace

const wchar_t *HiddenWindow::className()
{
    return L"VeltranoHiddenWindow";
}

HiddenWindow::HiddenWindow(Kind kind, Handler handler) : m_handler(std::move(handler))
{
    static const ATOM registered = registerClass();
    (void)registered;
    m_window = CreateWindowExW(0, className(), L"Veltrano", WS_OVERLAPPED, 0, 0, 0, 0,
                               kind == Kind::MessageOnly ? HWND_MESSAGE : nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!m_window)
        return;
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HiddenWindow::procedure));
}

HiddenWindow::~HiddenWindow()
{
    if (m_window) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

LRESULT CALLBACK HiddenWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *self = reinterpret_cast<HiddenWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    LRESULT result = 0;
    if (self && self->m_handler && self->m_handler(message, wParam, lParam, result))
        return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace veltrano
