#include "systemtools/ui/SystemToolsFeature.h"

#include "common/ui/AppContext.h"
#include "common/ui/MainFrame.h"
#include "platform/Platform.h"
#include "systemtools/logic/SystemTools.h"

#include <QWidget>
#include <QAction>

namespace veltrano {
namespace {

struct ToolShortcut {
    Command command;
    DesktopTool tool;
};

} // namespace

SystemToolsFeature::SystemToolsFeature(AppContext &context, MainFrame &frame)
    : m_context(context), m_frame(frame), m_cdTray(context.platform().cdTray())
{
    setObjectName(QStringLiteral("SystemToolsFeature"));
    connectLaunchers();
    connectPanels();
    const auto on = [this](Command id, void (SystemToolsFeature::*reaction)()) {
        connect(m_frame.command(id), &QAction::triggered, this, reaction);
    };
    on(Command::CoffeeOpenCdTray, &SystemToolsFeature::openCdTray);
    on(Command::OpenCdTray, &SystemToolsFeature::openCdTray);
    on(Command::CoffeeCloseCdTray, &SystemToolsFeature::closeCdTray);
    on(Command::CloseCdTray, &SystemToolsFeature::closeCdTray);
    on(Command::Sleep, &SystemToolsFeature::goToSleep);
    on(Command::Backup, &SystemToolsFeature::startBackup);
    on(Command::AddToAutorun, &SystemToolsFeature::addToAutorun);
    on(Command::RemoveFromAutorun, &SystemToolsFeature::removeFromAutorun);
}

SystemToolsFeature::~SystemToolsFeature() = default;

// "Console..." and the button at the console's end start the same terminal.
void SystemToolsFeature::connectLaunchers()
{
    for (const ToolShortcut launcher : {ToolShortcut{Command::OpenNotepad, DesktopTool::TextEditor},
                                       ToolShortcut{Command::OpenWordPad, DesktopTool::WordProcessor},
                                       ToolShortcut{Command::OpenCalculator, DesktopTool::Calculator},
                                       ToolShortcut{Command::OpenPaint, DesktopTool::Paint},
                                       ToolShortcut{Command::OpenTerminal, DesktopTool::Terminal},
                                       ToolShortcut{Command::OpenConsole, DesktopTool::Terminal}}) {
        connect(m_frame.command(launcher.command), &QAction::triggered, this, [this, tool = launcher.tool] {
            OpenLauncher(tool, m_context.platform().shell(), m_context.messagesAbout(&m_frame.window()));
        });
    }
}

void SystemToolsFeature::connectPanels()
{
    for (const ToolShortcut panel : {ToolShortcut{Command::OpenSafeRemoval, DesktopTool::SafeRemoval},
                                    ToolShortcut{Command::OpenControlPanel, DesktopTool::ControlPanel},
                                    ToolShortcut{Command::OpenDateTimeSettings, DesktopTool::DateTimeSettings},
                                    ToolShortcut{Command::OpenClockSettings, DesktopTool::DateTimeSettings},
                                    ToolShortcut{Command::OpenSoftwareSettings, DesktopTool::SoftwareManager}}) {
        connect(m_frame.command(panel.command), &QAction::triggered, this,
                [this, tool = panel.tool] { OpenPanel(tool, m_context.platform().shell()); });
    }
}

void SystemToolsFeature::goToSleep()
{
    GoToSleepMode(m_context.messagesAbout(&m_frame.window()), m_context.platform().power(), m_disableAlarm);
}

// Started directly: whatever the user has typed into the console line stays.
void SystemToolsFeature::startBackup()
{
    StartBackup(m_context.platform().shell(), m_context.messagesAbout(&m_frame.window()));
}

// No drive, or one without a motorised tray: nothing is reported.
void SystemToolsFeature::openCdTray()
{
    m_cdTray.open();
}

void SystemToolsFeature::closeCdTray()
{
    m_cdTray.close();
}

void SystemToolsFeature::addToAutorun()
{
    m_context.platform().shell().setAutostart(true);
}

void SystemToolsFeature::removeFromAutorun()
{
    m_context.platform().shell().setAutostart(false);
}

bool SystemToolsFeature::waitForCdTray(int msecs)
{
    return m_cdTray.waitForDone(msecs);
}

} // namespace veltrano
