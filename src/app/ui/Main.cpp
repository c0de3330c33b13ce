#include "app/ui/Main.h"

#include "common/logic/MessageBoxes.h"
#include "app/ui/PanelMenu.h"
#include "common/logic/SettingsStore.h"
#include "platform/DataLocations.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QSplitter>
#include <QTreeWidget>

namespace veltrano {

namespace {
constexpr int kPanelAdditionalWidth = 252;
} // namespace

TMainForm::TMainForm(Platform &platform, MessageBoxes &messages, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_messages(messages)
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
    createPopupMenus();
    FormCreate();
}

TMainForm::~TMainForm()
{
    FormDestroy();
}

void TMainForm::FormCreate()
{
    m_pageControlProjects->setCurrentIndex(0);
    m_pageControlTabManager->setCurrentIndex(0);

    m_dataFolder = ChooseDataFolder(m_platform.dataLocations());
    m_platform.files().makePath(m_dataFolder);
    m_settings = std::make_unique<SettingsStore>(
        m_platform.files(), m_platform.textCodec(), m_dataFolder + QStringLiteral("PM.INI"),
        [this](const QString &message) { m_messages.error(message); });

    const StartupValues values = ReadStartupSettings(*m_settings);
    m_flags = std::make_unique<TQXEngine>(values.flags);
    m_editSound->setText(values.alarm.sound);
    m_maskEditAlarmClock->setText(values.alarm.time);
    m_checkBoxAlarmClock->setChecked(values.alarm.enabled);
    applyStartupGeometry(values);
    applyStartupBars(values.bars);
    m_mainEditCmd->clear();

    m_panelMenuState = std::make_unique<TPanelMenuRender>();
    m_panelMenu->setState(m_panelMenuState.get());
    // The global hot keys and, further on, the greeting balloon belong to the
    // tray feature, installed the moment this window exists (AppWindows).
    m_panelMenu->setAttribute(Qt::WA_OpaquePaintEvent);
    m_panelMenu->paintBox()->setAttribute(Qt::WA_OpaquePaintEvent);

    m_pageActions[PageToday]->trigger();
    RefreshTodayCaption();
    RefreshTodayFill();
    applyTodayGridFit();

    CreateProjectManager();
    // The tree never scrolls sideways.
    m_treeViewProjects->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_richEditProjectNote->setAcceptRichText(true);
    m_panelTodo->setFixedHeight(0);
    m_panelTodo->hide();
    m_toDoAutostart = values.toDoAutostart;
    m_panel1->hide();
    m_panel2->hide();
}

void TMainForm::applyStartupGeometry(const StartupValues &values)
{
    m_requestedOuterSize = values.size.expandedTo(kMainMinimumSize);
    resize(m_requestedOuterSize);
    if (values.position) {
        move(*values.position);
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), m_requestedOuterSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TMainForm::applyStartupBars(const BarFlags &bars)
{
    action("MainToolBar1")->setChecked(bars.main);
    m_mainToolBar->setVisible(bars.main);
    action("BottomToolBar1")->setChecked(bars.bottom);
    m_panelCommon->setVisible(bars.bottom);
    action("StatusBar1")->setChecked(bars.status);
    statusBar()->setVisible(bars.status);
}

// The stored size is the outer size, but the frame the window manager adds is
// only known once the window has been framed, which may come well after the
// first show. The first time a frame is seen, the inner size gives way to it,
// so the window does not grow by its frame at every start.
void TMainForm::applyOuterSize()
{
    if (!m_outerSizePending || !isVisible())
        return;
    if (frameGeometry().size() == size())
        return; // not framed (yet)
    m_outerSizePending = false;
    // A size given meanwhile (a preset, the user) is not overridden.
    if (size() == m_requestedOuterSize)
        resizeOuter(m_requestedOuterSize);
}

void TMainForm::setOuterSize(QSize outer)
{
    resizeOuter(outer);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TMainForm::applySizePreset(SizePreset preset)
{
    setOuterSize(SizePresetOuterSize(preset));
    applyTodayGridFit();
}

void TMainForm::DefaultSize1Click() { applySizePreset(SizePreset::Default); }
void TMainForm::LargeSize1Click() { applySizePreset(SizePreset::Large); }
void TMainForm::VeryLargeSize1Click() { applySizePreset(SizePreset::VeryLarge); }

void TMainForm::toggleBar(QAction *item, QWidget *bar, Bar which)
{
    // The menu item has already changed its tick when this runs.
    const bool shown = item->isChecked();
    // A refused write stops the toggle there: bar and tick stay as stored.
    if (!WriteBarShown(*m_settings, which, shown)) {
        const QSignalBlocker quiet(item);
        item->setChecked(!shown);
        return;
    }
    bar->setVisible(shown);
    FormResize();
}

void TMainForm::MainToolBar1Click() { toggleBar(action("MainToolBar1"), m_mainToolBar, Bar::Main); }
void TMainForm::BottomToolBar1Click() { toggleBar(action("BottomToolBar1"), m_panelCommon, Bar::Bottom); }
void TMainForm::StatusBar1Click() { toggleBar(action("StatusBar1"), statusBar(), Bar::Status); }

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyOuterSize();
    FormResize();
}

void TMainForm::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    applyOuterSize(); // reparenting into a frame arrives as a move
}

void TMainForm::FormResize()
{
    // Let the layouts place the pages at the new size before measuring them.
    if (QLayout *layout = this->layout())
        layout->activate();
    const int bevelWidth = m_tabSheetTasks->width() - 7;
    for (QFrame *bevel : std::as_const(m_bevels))
        bevel->setMaximumWidth(qMax(0, bevelWidth));
    applyTodayGridFit();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_splitterPlaced) {
        // The worklist keeps its designed width; the pages take the rest.
        m_splitterPlaced = true;
        QTimer::singleShot(0, this, [this] {
            const int total = m_splitter2->width() - m_splitter2->handleWidth();
            m_splitter2->setSizes({total - kPanelAdditionalWidth, kPanelAdditionalWidth});
        });
    }
    FormShow();
    QTimer::singleShot(0, this, &TMainForm::applyOuterSize);
    emit shown();
}

void TMainForm::FormShow()
{
    RefreshTodayCaption();
    RebuildProjectTree();
    if (m_pageControlProjects->currentWidget()->objectName() == u"TabSheetProjList")
        m_treeViewProjects->setFocus();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QPoint guarded = GuardOffScreen(pos(), screen->geometry().size());
        if (guarded != pos())
            move(guarded);
    }
    selectPanelMenuItem(1);
    m_pageActions[PageToday]->trigger();
    RefreshTodayFill();
    applyTodayGridFit();
    m_stringGrid->setFocus();
    if (m_toDoAutostart)
        action("FastToDoListShow")->trigger();
}

bool TMainForm::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        ApplicationEventsHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

// Status tips already carry the long part of each hint.
void TMainForm::ApplicationEventsHint(const QString &statusTip)
{
    m_statusPanelHint->setText(statusTip);
}

void TMainForm::Label11MouseMove()
{
    // A long project path can be read in full from the hint.
    m_label11->setToolTip(m_label11->text());
    m_label11->setStatusTip(m_label11->text());
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label11 && event->type() == QEvent::MouseMove)
        Label11MouseMove();
    if (watched->objectName() == u"Label14" && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        action("FastToDoListShow")->trigger();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program; it does not hide it.
    event->accept();
    CloseApp();
}

void TMainForm::CloseApp()
{
    QCoreApplication::exit(0);
}

void TMainForm::resizeOuter(QSize outer)
{
    const QSize frameExtra = frameGeometry().size() - size();
    resize((outer - frameExtra).expandedTo(kMainMinimumSize));
}

void TMainForm::FormDestroy()
{
    if (!m_settings)
        return;
    m_panelMenu->setState(nullptr);
    m_panelMenuState.reset();
    ReleaseProjectManager();
    ShutdownValues values;
    values.hidden = m_flags->hidden;
    values.position = frameGeometry().topLeft();
    values.size = frameGeometry().size();
    values.alarm.sound = m_editSound->text();
    values.alarm.time = m_maskEditAlarmClock->text();
    values.alarm.enabled = m_checkBoxAlarmClock->isChecked();
    WriteShutdownSettings(*m_settings, values);
    m_flags.reset();
    m_settings.reset();
    // The hot keys go with their holder, a child of this window, right after.
}

} // namespace veltrano
