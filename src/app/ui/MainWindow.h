#pragma once
#include "app/logic/MainWindowSettings.h"
#include "app/logic/PanelMenuState.h"
#include "app/logic/Startup.h"
#include "common/logic/Commands.h"
#include "common/logic/Pages.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

class QLabel;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace veltrano {

class AppContext;
class MainFrame;
class MainWindowFrame;
class PanelMenu;

// The main window: a frame of panel menu, page control, bars, menus and status
// bar, with the start-up flags, the panel menu state and the two timers. What
// the pages hold and what most commands do belongs to the features, which
// plug in through its MainFrame (docs/architecture.md).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Reads the start-up values from the settings the context holds open.
    explicit MainWindow(AppContext &context);
    ~MainWindow() override;

    // What the features see of this window.
    MainFrame &frame() const;
    // The start-up flags; "Main..." in the tray menu clears the hidden flag.
    StartupFlags &startupFlags() { return m_flags; }
    const PanelMenuState &panelMenuState() const { return m_panelMenuState; }

    QAction *command(Command id) const { return m_commands.action(id); }
    QWidget *pageSheet(Page page) const;
    void setPageContent(Page page, QWidget *content);
    void setPageContentMaker(Page page, std::function<void()> make);
    void setPageCaption(Page page, const QString &caption);
    void setSidePanelContent(QWidget *content);
    void setConsoleLine(QWidget *line);
    void choosePage(Page page);
    QTimer &secondTimer() { return m_timerTime; }
    QTimer &hourTimer() { return m_timerUpdate; }

    // Every feature is in: the page goes to Today, the timers start.
    void finishCreation();
    // Ends the program through the normal shutdown.
    void quit();
    // The first step of shutdown: nothing ticks from here on.
    void stopTimers();
    // The window's own keys, in shutdown order; false at the first refused write.
    bool saveAtExit();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // Building the window (MainWindowLayout.cpp, MainWindowCommands.cpp).
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

    // Start-up, showing (MainWindow.cpp).
    void runShowSteps();
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

    // Page actions (MainWindowPages.cpp).
    void showOnlyPage(Page page);
    void attachPageContent(Page page);
    void selectPanelMenuItem(unsigned item);

    AppContext &m_context;
    std::unique_ptr<MainWindowFrame> m_frame;
    StartupFlags m_flags;
    PanelMenuState m_panelMenuState;
    CommandTable m_commands;
    QTimer m_timerTime;
    QTimer m_timerUpdate;
    QSize m_requestedOuterSize;
    QSize m_sizeForRequest; // the client size given for it before the frame was known
    bool m_centred = false; // no stored position: the window opens in the middle of the desktop
    bool m_outerSizePending = true;
    bool m_splitterPlaced = false;
    bool m_startAwaited = false;
    bool m_offScreen = false; // hidden() told, restored() not yet
    // The content of pages not shown yet, out of their sheet's layout so that
    // nothing measures it before it is first shown.
    QList<std::pair<Page, QWidget *>> m_unattachedContent;
    // What builds the content of pages not shown yet.
    QList<std::pair<Page, std::function<void()>>> m_contentMakers;

    // Controls the frame's own logic uses; every control has its name.
    QToolBar *m_mainToolBar = nullptr;
    PanelMenu *m_panelMenu = nullptr;
    QTabWidget *m_pageControlTabManager = nullptr;
    QWidget *m_panelAdditional = nullptr;
    QWidget *m_panelCommon = nullptr;
    QWidget *m_panelConsole = nullptr;
    QLabel *m_statusPanelHint = nullptr;
    QWidget *m_spacerPanel = nullptr;
    QWidget *m_secondSpacerPanel = nullptr;
    QWidget *m_panelTodo = nullptr;
    QSplitter *m_pagesSplitter = nullptr;
};

} // namespace veltrano
