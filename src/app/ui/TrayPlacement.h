#pragma once
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

class QAction;
class QMenu;

namespace veltrano {

class AboutDialog;
class AppContext;
class GlobalHotKeys;
class MainWindow;
class Tray;

inline constexpr auto kTrayToolTip = u"Veltrano";
inline constexpr auto kBalloonTitle = u"Veltrano";
inline constexpr int kBalloonMsecs = 3000;
// How often a window hidden to the tray checks that the tray is still there.
inline constexpr int kTrayWatchMs = 1000;

// The main window's life beside the tray: the tray icon and its menu, hiding
// and restoring, "Stay On Top", snapping to the work area's edges, the global
// hot keys, the About box and the Help menu's commands. The tray, the hot
// keys and the greeting start after the main window's first frame.
class TrayPlacement final : public QObject {
    Q_OBJECT
public:
    TrayPlacement(AppContext &context, MainWindow &main);
    ~TrayPlacement() override;

    // Once the main window's first frame is on screen: the application icon,
    // the global hot keys (a refused key is reported), the tray icon with its
    // menu, and the greeting.
    void start();
    // The greeting in a balloon (or its stand-in on a desktop without a tray).
    void showGreeting();
    // The day of the month the tray icon shows; 0 for none yet.
    void setTrayDay(int day);
    QMenu *trayMenu() const { return m_menu.get(); }
    // Ctrl+F1 and Shift+F1, whose reactions the assembly site sets.
    GlobalHotKeys &hotKeys() const { return *m_hotKeys; }
    // The About box, made when first opened.
    AboutDialog &aboutDialog();

    void hideToTray();
    void hideFromTrayMenu();
    void restoreFromTray();
    void onTrayIconDoubleClicked();
    // The main window back in view (from the tray, the task bar or behind
    // other windows) and in front.
    void comeForward();
    void toggleStayOnTop();
    void showAbout();
    void showHelp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectMainActions();
    void showTrayIcon();
    bool inTray() const;
    void hideMainWindow();
    void showMainWindow();
    void windowStateChanged(Qt::WindowStates old);
    void watchTrayWhileHidden();

    AppContext &m_context;
    MainWindow &m_main;
    Tray &m_tray;
    std::unique_ptr<GlobalHotKeys> m_hotKeys;
    std::unique_ptr<AboutDialog> m_about;
    bool m_started = false;
    std::optional<int> m_trayDay; // told before the icon was shown
    std::unique_ptr<QMenu> m_menu; // with the tray icon, from start()
    QTimer m_trayWatch;
};

} // namespace veltrano
