#include "platform/Platform.h"

#include "platform/qt/QtFileSystem.h"
#include "platform/qt/Utf8SystemCodec.h"
#include "platform/windows/AnsiCodePageCodec.h"
#include "platform/windows/WindowsDesktop.h"
#include "platform/windows/WindowsHotKeys.h"
#include "platform/windows/WindowsMci.h"
#include "platform/windows/WindowsPower.h"
#include "platform/windows/WindowsShell.h"
#include "platform/windows/WindowsSingleInstance.h"
#include "platform/windows/WindowsTermination.h"
#include "platform/windows/WindowsTrash.h"
#include "platform/windows/WindowsTray.h"

#include <QLocale>

#include <windows.h>

namespace veltrano {
namespace {

// Windows 10 and later may run with UTF-8 as the ANSI page; old files are
// then in the legacy page of the user's language, as on Linux.
std::unique_ptr<TextCodec> systemCodec()
{
    const UINT page = GetACP();
    if (page != CP_UTF8)
        return std::make_unique<AnsiCodePageCodec>(page);
    const TextEncoding legacy = legacyCodePageOfLanguage(QLocale::system().language());
    return std::make_unique<Utf8SystemCodec>(legacy == TextEncoding::System ? TextEncoding::Windows1252 : legacy,
                                             legacy == TextEncoding::System);
}

class WindowsPlatform final : public Platform {
public:
    WindowsPlatform() : m_codec(systemCodec()) {}

    Clock &clock() override { return m_clock; }
    DataLocations &dataLocations() override { return m_locations; }
    FileSystem &files() override { return m_files; }
    TextCodec &textCodec() override { return *m_codec; }
    RegionalFormats &regionalFormats() override { return m_formats; }
    SingleInstance &singleInstance() override { return m_instance; }
    Termination &termination() override { return m_termination; }
    HotKeys &hotKeys() override { return m_hotKeys; }
    Shell &shell() override { return m_shell; }
    Power &power() override { return m_power; }
    CdTray &cdTray() override { return m_cdTray; }
    Sound &sound() override { return m_sound; }
    Tray &tray() override { return m_tray; }
    Notifications &notifications() override { return m_notifications; }
    Trash &trash() override { return m_trash; }

private:
    SystemClock m_clock;
    WindowsDataLocations m_locations;
    QtFileSystem m_files;
    std::unique_ptr<TextCodec> m_codec;
    WindowsRegionalFormats m_formats;
    WindowsSingleInstance m_instance;
    WindowsTermination m_termination;
    WindowsHotKeys m_hotKeys;
    WindowsShell m_shell;
    WindowsPower m_power;
    WindowsCdTray m_cdTray;
    WindowsSound m_sound;
    WindowsTray m_tray;
    WindowsNotifications m_notifications;
    WindowsTrash m_trash;
};

} // namespace

// Win32 behind the platform interfaces.
std::unique_ptr<Platform> createPlatform()
{
    return std::make_unique<WindowsPlatform>();
}

} // namespace veltrano
