#include "app/ui/MainWindow.h"

#include "app/ui/MainWindowFrame.h"
#include "app/ui/PanelMenu.h"
#include "common/logic/ScreenPlacement.h"
#include "common/logic/SettingsStore.h"
#include "common/ui/AppContext.h"
#include "common/ui/FirstFrame.h"
#include "common/ui/WindowGeometry.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>

namespace veltrano {

namespace {
constexpr int kPanelAdditionalWidth = 252;
constexpr int kTimerTimeMs = 1000;
constexpr int kTimerUpdateMs = 3600000;
// A window that never gets exposed (mapped on a desktop out of view) starts
// its services after this long all the same.
constexpr int kStartWithoutFrameMs = 1000;
} // namespace

MainWindow::MainWindow(AppContext &context)
    : m_context(context), m_frame(std::make_unique<MainWindowFrame>(*this)), m_timerTime(this), m_timerUpdate(this)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromUtf16(kMainCaption));
    // System menu and minimise box, no maximise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setMinimumSize(kMainMinimumSize);
    createActions();
    createMainMenu();
    createLayout();
    m_pageControlTabManager->setCurrentIndex(0);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const StartupValues values =
        ReadStartupSettings(context.settings(), screen ? screen->availableVirtualSize() : QSize());
    m_flags = values.flags;
    applyStartupGeometry(values);
    applyStartupBars(values.bars);

    m_panelMenu->setState(&m_panelMenuState);
    m_panelMenu->setAttribute(Qt::WA_OpaquePaintEvent);
    m_panelMenu->paintBox()->setAttribute(Qt::WA_OpaquePaintEvent);
    command(Command::ShowTodayPage)->trigger();
    m_timerTime.setObjectName(QStringLiteral("TimerTime"));
    m_timerUpdate.setObjectName(QStringLiteral("TimerUpdate"));
}

MainFrame &MainWindow::frame() const
{
    return *m_frame;
}

// The panel menu goes before its state does.
MainWindow::~MainWindow()
{
    m_panelMenu->setState(nullptr);
}

void MainWindow::finishCreation()
{
    m_panelTodo->setFixedHeight(0);
    m_panelTodo->hide();
    m_spacerPanel->hide();
    m_secondSpacerPanel->hide();
    m_timerTime.start(kTimerTimeMs);
    m_timerUpdate.start(kTimerUpdateMs);
    emit m_frame->created();
}

void MainWindow::applyStartupGeometry(const StartupValues &values)
{
    m_requestedOuterSize = values.size.expandedTo(kMainMinimumSize);
    m_centred = !values.position;
    if (values.position)
        move(*values.position);
    resizeOuter(m_requestedOuterSize);
    m_sizeForRequest = size();
    if (m_centred) {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
}

void MainWindow::applyStartupBars(const BarFlags &bars)
{
    command(Command::ToggleMainToolBar)->setChecked(bars.main);
    m_mainToolBar->setVisible(bars.main);
    command(Command::ToggleBottomBar)->setChecked(bars.bottom);
    m_panelCommon->setVisible(bars.bottom);
    command(Command::ToggleStatusBar)->setChecked(bars.status);
    statusBar()->setVisible(bars.status);
}

// The stored size is the outer size, but the frame the window manager adds is
// only known once the window has been framed, which may come well after the
// first show. The first time a frame is seen, the inner size gives way to it,
// so the window does not grow by its frame at every start.
void MainWindow::applyOuterSize()
{
    if (!m_outerSizePending || !isVisible())
        return;
    if (frameGeometry().size() == size())
        return; // not framed (yet)
    m_outerSizePending = false;
    // A size given meanwhile (a preset, the user) is not overridden.
    if (size() != m_sizeForRequest)
        return;
    resizeOuter(m_requestedOuterSize);
    if (m_centred)
        CentreOnDesktop(*this);
    KeepOnScreen(*this);
}

void MainWindow::setOuterSize(QSize outer)
{
    resizeOuter(outer);
    CentreOnDesktop(*this);
}

void MainWindow::applySizePreset(SizePreset preset)
{
    setOuterSize(SizePresetOuterSize(preset));
    // A hidden window gets its resize event only when shown: fit the pages now.
    layOutPages();
}

void MainWindow::toggleBar(Command item, QWidget *bar, Bar which)
{
    QAction *tick = command(item);
    // The menu item has already changed its tick when this runs.
    const bool shown = tick->isChecked();
    // A refused write stops the toggle there: bar and tick stay as stored.
    if (!WriteBarShown(m_context.settings(), which, shown)) {
        const QSignalBlocker quiet(tick);
        tick->setChecked(!shown);
        return;
    }
    bar->setVisible(shown);
    layOutPages();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyOuterSize();
    layOutPages();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    applyOuterSize(); // reparenting into a frame arrives as a move
}

void MainWindow::layOutPages()
{
    // Let the layouts place the pages at the new size before measuring them.
    if (QLayout *layout = this->layout())
        layout->activate();
    emit m_frame->resized();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_startAwaited) {
        m_startAwaited = true;
        AfterFirstFrame(*this, [this] { emit m_frame->started(); }, kStartWithoutFrameMs);
    }
    if (!m_splitterPlaced) {
        // The worklist keeps its designed width; the pages take the rest.
        m_splitterPlaced = true;
        QTimer::singleShot(0, this, [this] {
            const int total = m_pagesSplitter->width() - m_pagesSplitter->handleWidth();
            m_pagesSplitter->setSizes({total - kPanelAdditionalWidth, kPanelAdditionalWidth});
        });
    }
    runShowSteps();
    QTimer::singleShot(0, this, &MainWindow::applyOuterSize);
    setOffScreen(false);
}

void MainWindow::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        setOffScreen(true);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible())
        setOffScreen(isMinimized());
}

void MainWindow::setOffScreen(bool off)
{
    if (off == m_offScreen)
        return;
    m_offScreen = off;
    if (off)
        emit m_frame->hidden();
    else
        emit m_frame->restored();
}

void MainWindow::runShowSteps()
{
    emit m_frame->showing();
    KeepOnScreen(*this);
    choosePage(Page::Today);
    emit m_frame->shown();
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        showStatusHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

// Status tips already carry the long part of each hint.
void MainWindow::showStatusHint(const QString &statusTip)
{
    m_statusPanelHint->setText(statusTip);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program; it does not hide it.
    event->accept();
    quit();
}

void MainWindow::quit()
{
    QCoreApplication::exit(0);
}

// A screen too small for the window (a small one, or one scaled up) gets a
// window as large as it has room for, frame included; the designed minimum
// gives way on it too.
void MainWindow::resizeOuter(QSize outer)
{
    const QSize frameExtra = frameGeometry().size() - size();
    const ClientFit fit =
        FitClientToArea(outer - frameExtra, kMainMinimumSize, QSize(0, 0), frameExtra, AvailableAreaNear(*this).size());
    setMinimumSize(fit.minimum);
    resize(fit.size);
}

void MainWindow::stopTimers()
{
    m_timerTime.stop();
    m_timerUpdate.stop();
}

bool MainWindow::saveAtExit()
{
    ShutdownValues values;
    values.hidden = m_flags.hidden;
    values.position = frameGeometry().topLeft();
    values.size = frameGeometry().size();
    return WriteShutdownSettings(m_context.settings(), values);
}

} // namespace veltrano
