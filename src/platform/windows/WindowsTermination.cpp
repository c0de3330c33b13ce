#include "platform/windows/WindowsTermination.h"

namespace veltrano {

WindowsTermination::~WindowsTermination() = default;

void WindowsTermination::watch()
{
    if (m_window)
        return;
    m_window = std::make_unique<HiddenWindow>(
        HiddenWindow::Kind::TopLevel, [this](UINT message, WPARAM wParam, LPARAM, LRESULT &result) {
            const bool ending = message == WM_QUERYENDSESSION || (message == WM_ENDSESSION && wParam);
            if (!ending)
                return false;
            if (!m_requested) {
                m_requested = true;
                emit terminationRequested();
            }
            result = message == WM_QUERYENDSESSION ? TRUE : 0;
            return true;
        });
}

} // namespace veltrano
