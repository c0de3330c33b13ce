#include "projects/ui/SystemToolsFeature.h"

#include "app/ui/Main.h"
#include "platform/CdTray.h"
#include "platform/Platform.h"
#include "projects/logic/SystemTools.h"

#include <QAction>

namespace veltrano {
namespace {

struct ToolShortcut {
    Command command;
    DesktopTool tool;
};

} // namespace

SystemToolsFeature::SystemToolsFeature(TMainForm &main) : QObject(&main), m_main(main)
{
    setObjectName(QStringLiteral("SystemToolsFeature"));
    m_cdTrayWorker.setMaxThreadCount(1);
    connectLaunchers();
    connectPanels();
    const auto on = [this](Command id, void (SystemToolsFeature::*reaction)()) {
        connect(m_main.command(id), &QAction::triggered, this, reaction);
    };
    on(Command::OpenCD1, &SystemToolsFeature::OpenCD1Click);
    on(Command::ActionOpenCD, &SystemToolsFeature::OpenCD1Click);
    on(Command::CloseCD1, &SystemToolsFeature::CloseCD1Click);
    on(Command::ActionCloseCD, &SystemToolsFeature::CloseCD1Click);
    on(Command::GoToSleepMode1, &SystemToolsFeature::GoToSleepMode1Click);
    on(Command::ntbackupexe1, &SystemToolsFeature::ntbackupexe1Click);
    on(Command::oAutorun1, &SystemToolsFeature::oAutorun1Click);
    on(Command::Fromtheautorun1, &SystemToolsFeature::Fromtheautorun1Click);
    connect(&main, &TMainForm::aboutToBeDestroyed, this, [this] { waitForCdTray(); });
}

SystemToolsFeature::~SystemToolsFeature()
{
    waitForCdTray();
}

// "Console..." and the button at the console's end start the same terminal.
void SystemToolsFeature::connectLaunchers()
{
    for (const ToolShortcut launcher : {ToolShortcut{Command::ActionOpenNotePad, DesktopTool::TextEditor},
                                       ToolShortcut{Command::ActionOpenWordPad, DesktopTool::WordProcessor},
                                       ToolShortcut{Command::ActionOpenCalc, DesktopTool::Calculator},
                                       ToolShortcut{Command::ActionOpenPaint, DesktopTool::Paint},
                                       ToolShortcut{Command::ActionOpenCmd, DesktopTool::Terminal},
                                       ToolShortcut{Command::Console1, DesktopTool::Terminal}}) {
        connect(m_main.command(launcher.command), &QAction::triggered, this,
                [this, tool = launcher.tool] { OpenLauncher(tool, m_main.platform().shell(), m_main.messages()); });
    }
}

void SystemToolsFeature::connectPanels()
{
    for (const ToolShortcut panel : {ToolShortcut{Command::ActionSafeRemove, DesktopTool::SafeRemoval},
                                    ToolShortcut{Command::ControlPanel1, DesktopTool::ControlPanel},
                                    ToolShortcut{Command::ActionDateAndTimeSetUp, DesktopTool::DateTimeSettings},
                                    ToolShortcut{Command::WindowsClock1, DesktopTool::DateTimeSettings},
                                    ToolShortcut{Command::ActionInstallUninstall, DesktopTool::SoftwareManager}}) {
        connect(m_main.command(panel.command), &QAction::triggered, this,
                [this, tool = panel.tool] { OpenPanel(tool, m_main.platform().shell()); });
    }
}

void SystemToolsFeature::GoToSleepMode1Click()
{
    GoToSleepMode(m_main.messages(), m_main.platform().power(), m_disableAlarm);
}

void SystemToolsFeature::ntbackupexe1Click()
{
    if (m_runThroughConsole)
        m_runThroughConsole(QString::fromUtf16(kBackupCommandText));
}

// No drive, or one without a motorised tray: nothing is reported.
void SystemToolsFeature::OpenCD1Click()
{
    CdTray &tray = m_main.platform().cdTray();
    m_cdTrayWorker.start([&tray] { tray.open(); });
}

void SystemToolsFeature::CloseCD1Click()
{
    CdTray &tray = m_main.platform().cdTray();
    m_cdTrayWorker.start([&tray] { tray.close(); });
}

void SystemToolsFeature::oAutorun1Click()
{
    m_main.platform().shell().setAutostart(true);
}

void SystemToolsFeature::Fromtheautorun1Click()
{
    m_main.platform().shell().setAutostart(false);
}

bool SystemToolsFeature::waitForCdTray(int msecs)
{
    return m_cdTrayWorker.waitForDone(msecs);
}

} // namespace veltrano
