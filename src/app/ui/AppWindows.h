#pragma once
#include <QObject>
#include <memory>
#include <vector>

namespace veltrano {

class MessageBoxes;
class Platform;
class TDataModuleImg;
class TMainForm;

// Every window of the program (and the shared picture lists), created once at start-up with the main window
// first, and destroyed in the reverse order at exit, the main window last.
class AppWindows {
public:
    AppWindows(Platform &platform, MessageBoxes &messages);
    ~AppWindows();
    AppWindows(const AppWindows &) = delete;
    AppWindows &operator=(const AppWindows &) = delete;

    TMainForm &main() const { return *m_main; }
    TDataModuleImg &images() const { return *m_images; }

private:
    template <typename Window, typename... Args> Window &create(Args &&...args);

    TMainForm *m_main = nullptr;
    TDataModuleImg *m_images = nullptr;
    // Windows and the picture module, in creation order.
    std::vector<std::unique_ptr<QObject>> m_windows;
};

} // namespace veltrano
