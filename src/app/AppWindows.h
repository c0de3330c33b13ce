#pragma once
#include <QWidget>
#include <memory>
#include <vector>

namespace veltrano {

class MessageBoxes;
class Platform;
class TMainForm;

// Every window of the program, created once at start-up with the main window
// first, and destroyed in the reverse order at exit, the main window last.
class AppWindows {
public:
    AppWindows(Platform &platform, MessageBoxes &messages);
    ~AppWindows();
    AppWindows(const AppWindows &) = delete;
    AppWindows &operator=(const AppWindows &) = delete;

    TMainForm &main() const { return *m_main; }

private:
    template <typename Window, typename... Args> Window &create(Args &&...args);

    TMainForm *m_main = nullptr;
    std::vector<std::unique_ptr<QWidget>> m_windows; // creation order
};

} // namespace veltrano
