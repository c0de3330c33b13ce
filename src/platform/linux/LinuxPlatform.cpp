#include "platform/Platform.h"

#include "platform/linux/LinuxCdTray.h"
#include "platform/linux/LinuxDesktop.h"
#include "platform/linux/LinuxHotKeys.h"
#include "platform/linux/LinuxNotifications.h"
#include "platform/linux/LinuxPower.h"
#include "platform/linux/LinuxShell.h"
#include "platform/linux/LinuxSingleInstance.h"
#include "platform/linux/LinuxSound.h"
#include "platform/linux/LinuxTermination.h"
#include "platform/linux/LinuxTrash.h"
#include "platform/linux/LinuxTray.h"
#include "platform/qt/QtFileSystem.h"
#include "platform/qt/Utf8SystemCodec.h"

#include <QLocale>

namespace veltrano {
namespace {

TextEncoding userLegacyCodePage()
{
    return legacyCodePageOfLanguage(QLocale::system().language());
}

class LinuxPlatform final : public Platform {
public:
    LinuxPlatform()
        : m_codec(userLegacyCodePage() == TextEncoding::System ? TextEncoding::Windows1252
                                                               : userLegacyCodePage(),
                  userLegacyCodePage() == TextEncoding::System)
    {
    }

    Clock &clock() override { return m_clock; }
    DataLocations &dataLocations() override { return m_locations; }
    FileSystem &files() override { return m_files; }
    TextCodec &textCodec() override { return m_codec; }
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
    LinuxDataLocations m_locations;
    QtFileSystem m_files;
    Utf8SystemCodec m_codec;
    LinuxRegionalFormats m_formats;
    LinuxSingleInstance m_instance;
    LinuxTermination m_termination;
    LinuxHotKeys m_hotKeys;
    LinuxShell m_shell;
    LinuxPower m_power;
    LinuxCdTray m_cdTray;
    LinuxSound m_sound;
    LinuxTray m_tray;
    LinuxNotifications m_notifications;
    LinuxTrash m_trash;
};

} // namespace

// The Linux desktop (X11 first) behind the platform interfaces.
std::unique_ptr<Platform> createPlatform()
{
    return std::make_unique<LinuxPlatform>();
}

} // namespace veltrano
