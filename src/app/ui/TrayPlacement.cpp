#include "app/ui/TrayPlacement.h"

#include "app/logic/DayPictures.h"
#include "app/logic/HelpPage.h"
#include "app/logic/Startup.h"
#include "app/ui/AboutDialog.h"
#include "app/ui/GlobalHotKeys.h"
#include "app/ui/MainWindow.h"
#include "app/ui/TrayMenu.h"
#include "common/logic/MessageBoxes.h"
#include "common/ui/AppContext.h"
#include "common/ui/AppPictures.h"
#include "common/ui/MainFrame.h"
#include "common/ui/ModalDialogs.h"
#include "common/ui/WindowGeometry.h"
#include "platform/Clock.h"
#include "platform/DataLocations.h"
#include "platform/Platform.h"
#include "platform/Tray.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QWindowStateChangeEvent>

namespace veltrano {

TrayPlacement::TrayPlacement(AppContext &context, MainWindow &main)
    : m_context(context), m_main(main), m_tray(context.platform().tray()),
      m_hotKeys(std::make_unique<GlobalHotKeys>(context, main.frame()))
{
    setObjectName(QStringLiteral("TrayPlacement"));
    QGuiApplication::setDesktopFileName(QStringLiteral("veltrano"));
    connect(&m_tray, &Tray::doubleClicked, this, &TrayPlacement::onTrayIconDoubleClicked);
    connectMainActions();
    // Windows that keep beside the main window follow it once it has snapped.
    new SnapAfterDrag(main, [this] { emit m_main.frame().placed(); });
    m_trayWatch.setInterval(kTrayWatchMs);
    connect(&m_trayWatch, &QTimer::timeout, this, &TrayPlacement::watchTrayWhileHidden);
    main.installEventFilter(this);
    connect(&main.frame(), &MainFrame::started, this, &TrayPlacement::start);
}

TrayPlacement::~TrayPlacement() = default;

void TrayPlacement::start()
{
    if (m_started)
        return;
    m_started = true;
    QApplication::setWindowIcon(applicationIcon());
    m_hotKeys->registerKeys();
    showTrayIcon();
    showGreeting();
}

void TrayPlacement::showTrayIcon()
{
    const TrayMenuItems items = BuildTrayMenu(m_main);
    m_menu.reset(items.menu);
    connect(items.main, &QAction::triggered, this, &TrayPlacement::restoreFromTray);
    connect(items.hide, &QAction::triggered, this, &TrayPlacement::hideFromTrayMenu);
    // Until the clock's first tick, the tray shows today already.
    const int day = m_trayDay.value_or(m_context.platform().clock().now().date().day());
    m_tray.show(DayIcon(day), QString::fromUtf16(kTrayToolTip), m_menu.get());
}

void TrayPlacement::connectMainActions()
{
    const auto on = [this](Command id, auto reaction) {
        connect(m_main.command(id), &QAction::triggered, this, reaction);
    };
    on(Command::HideToTray, &TrayPlacement::hideToTray);
    on(Command::StayOnTop, &TrayPlacement::toggleStayOnTop);
    on(Command::ShowAbout, &TrayPlacement::showAbout);
    on(Command::ShowHelp, &TrayPlacement::showHelp);
    Shell &shell = m_context.platform().shell();
    MessageBoxes &messages = m_context.messagesAbout(&m_main);
    on(Command::MailDeveloper, [&shell, &messages] { MailDeveloper(shell, messages); });
    on(Command::OpenHomePage, [&shell, &messages] { OpenHomePage(shell, messages); });
}

void TrayPlacement::showGreeting()
{
    Platform &platform = m_context.platform();
    m_tray.showBalloon(QString::fromUtf16(kBalloonTitle),
                       ComposeGreeting(platform.clock().now(), platform.regionalFormats()), kBalloonMsecs);
}

bool TrayPlacement::inTray() const
{
    return m_menu && m_tray.isAvailable();
}

void TrayPlacement::setTrayDay(int day)
{
    m_trayDay = day;
    if (m_menu)
        m_tray.setIcon(DayIcon(day));
}

// Without a tray (or before our icon is in it) a hidden window could never be
// brought back: it goes to the task bar instead.
void TrayPlacement::hideMainWindow()
{
    if (inTray()) {
        m_main.hide();
        m_trayWatch.start();
    } else {
        m_main.showMinimized();
    }
}

// A tray host that quits (or crashes) takes our icon with it; the hidden
// window then comes back to the task bar rather than stay out of reach.
void TrayPlacement::watchTrayWhileHidden()
{
    if (m_main.isVisible()) {
        m_trayWatch.stop();
    } else if (!m_tray.isAvailable()) {
        m_trayWatch.stop();
        m_main.showMinimized();
    }
}

// Each return to view is a fresh show, so the show steps run again.
void TrayPlacement::showMainWindow()
{
    if (m_main.isVisible() && m_main.isMinimized())
        m_main.hide();
    m_main.showNormal();
}

void TrayPlacement::hideToTray()
{
    hideMainWindow();
}

void TrayPlacement::hideFromTrayMenu()
{
    if (m_main.isVisible())
        hideMainWindow();
}

void TrayPlacement::restoreFromTray()
{
    m_main.startupFlags().hidden = false;
    showMainWindow();
}

void TrayPlacement::onTrayIconDoubleClicked()
{
    showMainWindow();
    m_main.raise();
    m_main.activateWindow();
}

void TrayPlacement::comeForward()
{
    if (!m_main.isVisible() || m_main.isMinimized())
        restoreFromTray();
    m_main.raise();
    m_main.activateWindow();
}

void TrayPlacement::toggleStayOnTop()
{
    SetStaysOnTop(m_main, m_main.command(Command::StayOnTop)->isChecked());
}

AboutDialog &TrayPlacement::aboutDialog()
{
    if (!m_about)
        m_about = std::make_unique<AboutDialog>(m_context.platform().shell(), m_context.messages());
    return *m_about;
}

void TrayPlacement::showAbout()
{
    m_context.dialogs().open(aboutDialog());
}

void TrayPlacement::showHelp()
{
    Platform &platform = m_context.platform();
    ShowHelpPage(platform.shell(), platform.files(), m_context.messagesAbout(&m_main), m_context.dataFolder(),
                 platform.dataLocations().executablePath());
}

void TrayPlacement::windowStateChanged(Qt::WindowStates old)
{
    const bool minimised = m_main.windowState() & Qt::WindowMinimized;
    if (minimised && !(old & Qt::WindowMinimized)) {
        // The minimise box hides to the tray, where there is one; the hide
        // waits for the state change to finish.
        if (inTray())
            QTimer::singleShot(0, &m_main, [this] {
                if (m_main.isMinimized())
                    hideMainWindow();
            });
    } else if (!minimised && (old & Qt::WindowMinimized) && m_main.isVisible()) {
        // Back from the task bar (no tray): that too is a return to view.
        QTimer::singleShot(0, &m_main, [this] {
            m_main.hide();
            m_main.show();
        });
    }
}

bool TrayPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_main) {
        if (event->type() == QEvent::WindowStateChange)
            windowStateChanged(static_cast<QWindowStateChangeEvent *>(event)->oldState());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace veltrano
