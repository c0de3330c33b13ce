#pragma once
#include "systemtools/logic/CdTrayMover.h"

#include <QObject>
#include <functional>

namespace veltrano {

class AppContext;
class MainFrame;

// The main window's shortcuts to the desktop: launchers, settings panels, the
// CD tray, sleep, backup and the autostart entry, in every menu, tool bar and
// bottom-bar place that carries them.
class SystemToolsFeature final : public QObject {
    Q_OBJECT
public:
    SystemToolsFeature(AppContext &context, MainFrame &frame);
    ~SystemToolsFeature() override;

    // What belongs to other features, given where the program is put together.
    void setDisableAlarm(std::function<void()> disableAlarm) { m_disableAlarm = std::move(disableAlarm); }

    void goToSleep();
    void startBackup();
    void openCdTray();
    void closeCdTray();
    void addToAutorun();
    void removeFromAutorun();
    // Waits for the tray moves asked for so far; false when `msecs` ran out.
    bool waitForCdTray(int msecs = -1);

private:
    void connectLaunchers();
    void connectPanels();

    AppContext &m_context;
    MainFrame &m_frame;
    std::function<void()> m_disableAlarm;
    // A tray takes seconds to move; the window stays responsive meanwhile.
    CdTrayMover m_cdTray;
};

} // namespace veltrano
