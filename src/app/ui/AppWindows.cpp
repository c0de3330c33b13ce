#include "app/ui/AppWindows.h"

#include "app/ui/About.h"         // tray and placement
#include "app/ui/TrayPlacement.h" // tray and placement
#include "app/ui/DataModuleImg.h"
#include "app/ui/Main.h"
#include "platform/Platform.h"

namespace veltrano {

template <typename Window, typename... Args> Window &AppWindows::create(Args &&...args)
{
    auto window = std::make_unique<Window>(std::forward<Args>(args)...);
    Window &ref = *window;
    m_windows.push_back(std::move(window));
    return ref;
}

AppWindows::AppWindows(Platform &platform, MessageBoxes &messages)
{
    m_main = &create<TMainForm>(platform, messages);
    // Tray and placement: hot keys, tray icon and greeting join the main
    // window's creation; the About box is window 2.
    InstallTrayPlacement(*m_main)->setAboutForm(&create<TAboutForm>(m_main->platform().shell()));
    m_images = &create<TDataModuleImg>();
}

AppWindows::~AppWindows()
{
    while (!m_windows.empty())
        m_windows.pop_back();
}

} // namespace veltrano
