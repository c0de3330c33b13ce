#include "systemtools/ui/SystemToolsFeature.h"

#include "app/ui/MainWindow.h"
#include "platform/Platform.h"
#include "systemtools/logic/SystemTools.h"

#include <QAction>

namespace veltrano {
namespace {

struct ToolShortcut {
    Command command;
    DesktopTool tool;
};

} // namespace

SystemToolsFeature::SystemToolsFeature(MainWindow &main)
    : QObject(&main), m_main(main), m_cdTray(main.platform().cdTray())
{
    setObjectName(QStringLiteral("SystemToolsFeature"));
    connectLaunchers();
    connectPanels();
    const auto on = [this](Command id, void (SystemToolsFeature::*reaction)()) {
        connect(m_main.command(id), &QAction::triggered, this, reaction);
    };
    on(Command::CoffeeOpenCdTray, &SystemToolsFeature::openCdTray);
    on(Command::OpenCdTray, &SystemToolsFeature::openCdTray);
    on(Command::CoffeeCloseCdTray, &SystemToolsFeature::closeCdTray);
    on(Command::CloseCdTray, &SystemToolsFeature::closeCdTray);
    on(Command::Sleep, &SystemToolsFeature::goToSleep);
    on(Command::Backup, &SystemToolsFeature::startBackup);
    on(Command::AddToAutorun, &SystemToolsFeature::addToAutorun);
    on(Command::RemoveFromAutorun, &SystemToolsFeature::removeFromAutorun);
    connect(&main, &MainWindow::aboutToBeDestroyed, this, [this] { waitForCdTray(kCdTrayExitWaitMs); });
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
        connect(m_main.command(launcher.command), &QAction::triggered, this,
                [this, tool = launcher.tool] { OpenLauncher(tool, m_main.platform().shell(), m_main.messages()); });
    }
}

void SystemToolsFeature::connectPanels()
{
    for (const ToolShortcut panel : {ToolShortcut{Command::OpenSafeRemoval, DesktopTool::SafeRemoval},
                                    ToolShortcut{Command::OpenControlPanel, DesktopTool::ControlPanel},
                                    ToolShortcut{Command::OpenDateTimeSettings, DesktopTool::DateTimeSettings},
                                    ToolShortcut{Command::OpenClockSettings, DesktopTool::DateTimeSettings},
                                    ToolShortcut{Command::OpenSoftwareSettings, DesktopTool::SoftwareManager}}) {
        connect(m_main.command(panel.command), &QAction::triggered, this,
                [this, tool = panel.tool] { OpenPanel(tool, m_main.platform().shell()); });
    }
}

void SystemToolsFeature::goToSleep()
{
    GoToSleepMode(m_main.messages(), m_main.platform().power(), m_disableAlarm);
}

void SystemToolsFeature::startBackup()
{
    if (m_runThroughConsole)
        m_runThroughConsole(QString::fromUtf16(kBackupCommandText));
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
    m_main.platform().shell().setAutostart(true);
}

void SystemToolsFeature::removeFromAutorun()
{
    m_main.platform().shell().setAutostart(false);
}

bool SystemToolsFeature::waitForCdTray(int msecs)
{
    return m_cdTray.waitForDone(msecs);
}

} // namespace veltrano
