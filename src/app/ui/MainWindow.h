#pragma once
#include "common/logic/Commands.h"
#include "app/logic/PanelMenuState.h"
#include "common/logic/Pages.h"
#include "app/logic/Startup.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

class QLabel;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace veltrano {

class MessageBoxes;
class ModalDialogs;
class Platform;
class SettingsStore;
class PanelMenu;

// The main window: a frame of panel menu, page control, bars, menus and status
// bar. It owns the settings store, the start-up flags and the panel menu state,
// all alive from its creation to its destruction, the very last step of
// shutdown. What the pages hold and what most commands do belongs to the
// features, which plug in while the window is created (docs/architecture.md).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds each feature of the main window, in start-up order, while the
    // window is created.
    using FeaturePlugs = std::function<void(MainWindow &)>;

    MainWindow(Platform &platform, MessageBoxes &messages, ModalDialogs &dialogs, const FeaturePlugs &plugs = {},
              QWidget *parent = nullptr);
    ~MainWindow() override;

    Platform &platform() const { return m_platform; }
    MessageBoxes &messages() const { return m_messages; }
    ModalDialogs &dialogs() const { return m_dialogs; }
    SettingsStore &settings() const { return *m_settings; }
    const QString &dataFolder() const { return m_dataFolder; }
    const PanelMenuState &panelMenuState() const { return *m_panelMenuState; }
    // The start-up flags; "Main..." in the tray menu clears the hidden flag.
    StartupFlags &startupFlags() { return *m_flags; }

    // The action of a command; stops the program when there is none.
    QAction *command(Command id) const { return m_commands.action(id); }
    // A page of the page control; its content comes from a feature.
    QWidget *pageSheet(Page page) const;
    void setPageContent(Page page, QWidget *content);
    // The caption on a page's tab (the Today page shows the day's name).
    void setPageCaption(Page page, const QString &caption);
    // The panel right of the pages (the worklist's place).
    void setSidePanelContent(QWidget *content);
    // The console line of the bottom bar, left of its terminal button.
    void setConsoleLine(QWidget *line);
    // Every second from start-up, and every hour from start-up.
    QTimer &timerTime() { return m_timerTime; }
    QTimer &timerUpdate() { return m_timerUpdate; }

    // The click reaction of a panel menu item or View > Objects item: selects
    // the item, runs the page action, then tells the features (pageChosen).
    void choosePage(Page page);
    // Ends the program through the normal shutdown.
    void quit();

signals:
    // The window and every feature plugged in exist; nothing else does yet.
    void created();
    // Once, right after the window's first frame is on screen. What that frame
    // does not show (tray, hot keys, greeting, services other windows use
    // later) starts here, so it never holds the window back.
    void started();
    // Every change from hidden to visible runs the show steps: `showing`
    // first, then the page goes back to Today (pageChosen), then `shown`.
    void showing();
    void shown();
    void pageChosen(veltrano::Page page);
    // Every size change, once the frame has laid its pages out.
    void resized();
    // Moved or resized by the user, after snapping to the work area.
    void placed();
    // Hidden to the tray or minimised, and back on screen again.
    void hidden();
    void restored();
    // Destruction, step by step: features let go of what they hold, then the
    // frame writes its keys and, only when they reached the file, the
    // features write theirs (stopping at the first refused write).
    void aboutToBeDestroyed();
    void savingShutdownSettings();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // Building the window (MainLayout.cpp, MainActions.cpp).
    void createActions();
    QAction *addCommand(Command id, const QString &caption, const QString &hint = {},
                        const QKeySequence &shortcut = {});
    void createPageCommands();
    void createMainMenu();
    void createLayout();
    QToolBar *createMainToolBar();
    QWidget *createBottomBar();
    void createPages();
    void createStatusBar();

    // Start-up, showing, shutdown (Main.cpp).
    void runCreationSteps(const FeaturePlugs &plugs);
    void runShowSteps();
    void runDestructionSteps();
    void layOutPages();
    void applyStartupGeometry(const StartupValues &values);
    void applyStartupBars(const BarFlags &bars);
    void applyOuterSize();
    void setOuterSize(QSize outer);
    void applySizePreset(SizePreset preset);
    void toggleBar(Command item, QWidget *bar, Bar which);
    // Gives the window this outer size, frame included.
    void resizeOuter(QSize outer);
    void showStatusHint(const QString &statusTip);
    void setOffScreen(bool off);

    // Page actions (MainNavigation.cpp).
    void showOnlyPage(Page page);
    void selectPanelMenuItem(unsigned item);

    Platform &m_platform;
    MessageBoxes &m_messages;
    ModalDialogs &m_dialogs;
    QString m_dataFolder;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<StartupFlags> m_flags;
    std::unique_ptr<PanelMenuState> m_panelMenuState;
    CommandTable m_commands;
    QTimer m_timerTime;
    QTimer m_timerUpdate;
    QSize m_requestedOuterSize;
    bool m_outerSizePending = true;
    bool m_splitterPlaced = false;
    bool m_startAwaited = false;
    bool m_offScreen = false; // hidden() told, restored() not yet

    // Controls the frame's own logic uses; every control has its name.
    QToolBar *m_mainToolBar = nullptr;
    PanelMenu *m_panelMenu = nullptr;
    QTabWidget *m_pageControlTabManager = nullptr;
    QWidget *m_panelAdditional = nullptr;
    QWidget *m_panelCommon = nullptr;
    QWidget *m_panelConsole = nullptr;
    QLabel *m_statusPanelHint = nullptr;
    QWidget *m_panel1 = nullptr;
    QWidget *m_panel2 = nullptr;
    QWidget *m_panelTodo = nullptr;
    QSplitter *m_splitter2 = nullptr;
};

} // namespace veltrano
