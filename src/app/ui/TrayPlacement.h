#pragma once
#include <QObject>
#include <QTimer>
#include <memory>

class QAction;
class QMenu;

namespace veltrano {

class GlobalHotKeys;
class TAboutForm;
class TMainForm;
class Tray;

inline constexpr auto kTrayToolTip = u"Veltrano";
inline constexpr auto kBalloonTitle = u"Veltrano";
inline constexpr int kBalloonMsecs = 3000;
// How often a window hidden to the tray checks that the tray is still there.
inline constexpr int kTrayWatchMs = 1000;

// The main window's life beside the tray: the tray icon and its menu, hiding
// and restoring, "Stay On Top", snapping to the work area's edges, and the
// Help menu's commands. Lives as long as the main window, as its child.
class TrayPlacement final : public QObject {
    Q_OBJECT
public:
    TrayPlacement(TMainForm &main, GlobalHotKeys &hotKeys);
    ~TrayPlacement() override;

    // Start-up: the greeting in a balloon (or its stand-in on a desktop
    // without a tray).
    void ShowGreetingBalloon();
    void setAboutForm(TAboutForm *about) { m_about = about; }
    // The day of the month the tray icon shows; 0 for none yet.
    void setTrayDay(int day);
    QMenu *trayMenu() const { return m_menu.get(); }
    // Ctrl+F1 and Shift+F1, whose reactions the assembly site sets.
    GlobalHotKeys &hotKeys() const { return *m_hotKeys; }

    void MinimuzeWindoeExecute();
    void Hide1Click();
    void RestoreWindoeExecute();
    void TrayIconDblClick();
    void StayOnTop1Click();
    void AboutFormShowExecute();
    void ShowHelpExecute();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectMainActions();
    void hideMainWindow();
    void showMainWindow();
    void windowStateChanged(Qt::WindowStates old);
    void SnapMainWindow();
    void watchTrayWhileHidden();

    TMainForm &m_main;
    Tray &m_tray;
    TAboutForm *m_about = nullptr;
    GlobalHotKeys *m_hotKeys = nullptr;
    std::unique_ptr<QMenu> m_menu;
    QTimer m_snapTimer;
    QTimer m_trayWatch;
};

// Joins the main window while it is created: the application icon, the global
// hot keys (a refused key is reported before the window shows), the tray icon
// and the greeting balloon.
TrayPlacement *InstallTrayPlacement(TMainForm &main);

} // namespace veltrano
