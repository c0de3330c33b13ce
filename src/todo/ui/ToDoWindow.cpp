#include "todo/ui/ToDoWindow.h"

#include "common/logic/SnapToWorkArea.h"
#include "app/logic/Startup.h"
#include "app/ui/MainWindow.h"
#include "common/logic/MessageBoxes.h"
#include "common/logic/SettingsStore.h"
#include "common/ui/AppPictures.h"
#include "common/ui/Hints.h"
#include "common/ui/WindowPlacement.h"
#include "platform/Platform.h"
#include "todo/logic/ToDoListModel.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace veltrano {
namespace {

constexpr int kPanelTopHeight = 25;
constexpr QSize kSpeedButtonSize{23, 22};
constexpr int kFontPoints = 8;
// Long enough for a drag to come to rest before the window is pulled to an
// edge, as the main window does.
constexpr int kSnapSettleMs = 120;

} // namespace

ToDoWindow::ToDoWindow(MainWindow &main)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_main(main)
{
    setObjectName(QStringLiteral("FastToDo"));
    setWindowTitle(QString::fromUtf16(kToDoDesignCaption));
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont small = font();
    small.setPointSize(kFontPoints);
    setFont(small);
    setMouseTracking(true);
    createControls();
    createActions();
    createMenus();
    m_snapTimer.setSingleShot(true);
    m_snapTimer.setInterval(kSnapSettleMs);
    connect(&m_snapTimer, &QTimer::timeout, this, &ToDoWindow::snapToWorkArea);
    // Placed as a window that exists, so every position it is given is the
    // frame's, whether the frame is known yet or not.
    create();
    loadListAndPlacement();
}

ToDoWindow::~ToDoWindow()
{
    saveListAndPlacement();
}

void ToDoWindow::createControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_panelTop = named(new QWidget(this), "PanelTop");
    m_panelTop->setFixedHeight(kPanelTopHeight);
    const auto speedButton = [this](const char *name, int x, const QString &caption, const QIcon &icon,
                                    void (ToDoWindow::*click)()) {
        auto *button = named(new QToolButton(m_panelTop), name);
        button->setGeometry(QRect(QPoint(x, (kPanelTopHeight - kSpeedButtonSize.height()) / 2), kSpeedButtonSize));
        button->setAutoRaise(true);
        button->setIcon(icon);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(caption);
        button->setAccessibleName(caption);
        connect(button, &QToolButton::clicked, this, click);
    };
    speedButton("SpeedButton1", 0, QStringLiteral("Add"), appPicture(QStringLiteral("todoadd")),
                &ToDoWindow::addItem);
    speedButton("SpeedButton2", 24, QStringLiteral("Options"), smallPicture(SmallPicture::Options),
                &ToDoWindow::showOptions);
    speedButton("SpeedButton3", 48, QStringLiteral("Close"), appPicture(QStringLiteral("todoclose")),
                &ToDoWindow::closeWindow);
    layout->addWidget(m_panelTop);

    Platform &platform = m_main.platform();
    m_list = new ToDoListModel(platform.files(), platform.textCodec(), m_main.dataFolder(),
                               [this] { reportSaveFailure(); }, this);
    m_list->setNotice([this](const QString &text) { m_main.messages().notice(text); });
    m_view = named(new QListView(this), "ToDoList");
    m_view->setAccessibleName(QStringLiteral("To-Do List"));
    m_view->setModel(m_list);
    m_view->setUniformItemSizes(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::PreventContextMenu);
    m_view->viewport()->setMouseTracking(true);
    m_view->viewport()->installEventFilter(this);
    m_view->installEventFilter(this);
    layout->addWidget(m_view, 1);
}

void ToDoWindow::createActions()
{
    m_actionAdd = makeAction(this, "ActionAdd", QStringLiteral("Add..."), {}, QKeySequence(Qt::Key_Insert));
    connect(m_actionAdd, &QAction::triggered, this, &ToDoWindow::addItem);
    m_actionRemove = makeAction(this, "ActionRemove", QStringLiteral("Delete"), {}, QKeySequence(Qt::Key_Delete));
    connect(m_actionRemove, &QAction::triggered, this, &ToDoWindow::deleteSelectedItem);
    addActions({m_actionAdd, m_actionRemove});
}

void ToDoWindow::loadListAndPlacement()
{
    m_list->LoadToDoFile();
    const SettingsStore &settings = m_main.settings();
    if (ReadToDoPositionMemory(settings)) {
        setOuterGeometry(ReadToDoPlacement(settings));
        return;
    }
    resize(kToDoDesignClientSize);
    CentreOnDesktop(*this);
}

void ToDoWindow::saveListAndPlacement()
{
    m_snapTimer.stop();
    if (!m_settingsRefused)
        writePlacement(true);
    m_list->SaveToDoFile();
}

void ToDoWindow::reportSaveFailure()
{
    m_main.messages().notice(QString::fromUtf16(kToDoSaveFailedMessage));
}

int ToDoWindow::selectedIndex() const
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ToDoWindow::showWindow(bool activate)
{
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    raise();
    if (activate)
        activateWindow();
}

void ToDoWindow::updateCaption()
{
    setWindowTitle(QString::fromUtf16(kToDoCaption) + QString::number(m_list->count()));
}

void ToDoWindow::updateMainWindowCount()
{
    if (m_mainLabel)
        m_mainLabel->setText(QString::fromUtf16(kToDoLabelPrefix) + QString::number(m_list->count()));
}

void ToDoWindow::dockToMainWindow()
{
    if (!m_main.isVisible() || m_main.isMinimized() || !isVisible())
        return;
    const QRect main = m_main.frameGeometry();
    setOuterGeometry(QRect(main.x() + main.width(), main.y(), placement().width(), main.height()));
}

void ToDoWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        onShow();
}

void ToDoWindow::onShow()
{
    const ToDoBlend blend = blendSettings();
    setAlphaBlend(blend.enabled);
    setAlphaBlendValue(BlendOnShow(blend.value));
    updateCaption();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QPoint guarded = GuardOffScreen(pos(), screen->geometry().size());
        if (guarded != pos()) {
            setOuterGeometry(QRect(guarded, placement().size()));
        }
    }
    dockToMainWindow();
    // Both windows have their frames once they are on screen: dock again
    // with the sizes the frames give.
    QTimer::singleShot(0, this, [this] {
        settleOuterGeometry();
        dockToMainWindow();
    });
}

bool ToDoWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate)
        onDeactivate();
    else
        followMouse(event->type());
    return QWidget::event(event);
}

// Over the window or the list it shows the configured opacity, a little
// clearer once the mouse has gone.
void ToDoWindow::followMouse(QEvent::Type type)
{
    if (type == QEvent::Enter || type == QEvent::MouseMove)
        onMouseOver();
    else if (type == QEvent::Leave)
        onMouseLeft();
}

void ToDoWindow::onDeactivate()
{
    writePlacement(false);
    updateMainWindowCount();
}

// Written at every deactivation, so the settings file knows where the
// window is even if the program is killed; an unchanged placement is not
// written again.
void ToDoWindow::writePlacement(bool always)
{
    const QRect current = placement();
    if (!always && m_writtenPlacement == current)
        return;
    if (WriteToDoPlacement(m_main.settings(), current))
        m_writtenPlacement = current;
}

QRect ToDoWindow::placement() const
{
    return m_pendingOuter ? *m_pendingOuter : frameGeometry();
}

// Until the window manager has put a frame round the window its outer size
// is unknown; the geometry asked for is then kept and given again, frame
// taken off, as soon as the frame is known, so the window neither grows by
// its frame at every start nor docks a frame's width off the main window.
void ToDoWindow::setOuterGeometry(const QRect &outer)
{
    const QSize frameExtra = frameGeometry().size() - size();
    if (frameExtra.isNull())
        m_pendingOuter = outer;
    else
        m_pendingOuter.reset();
    const QScopedValueRollback placing(m_placing, true);
    move(outer.topLeft());
    resize(outer.size() - frameExtra);
}

void ToDoWindow::settleOuterGeometry()
{
    if (!m_pendingOuter || !isVisible() || m_placing)
        return;
    if (size() != m_pendingOuter->size()) {
        m_pendingOuter.reset(); // resized since: the user's size holds
        return;
    }
    if (frameGeometry().size() == size())
        return; // no frame yet
    const QRect outer = *m_pendingOuter;
    m_pendingOuter.reset();
    setOuterGeometry(outer);
}

void ToDoWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    settleOuterGeometry();
    if (isVisible())
        m_snapTimer.start();
}

void ToDoWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    settleOuterGeometry();
    if (isVisible())
        m_snapTimer.start();
}

void ToDoWindow::snapToWorkArea()
{
    if (!isVisible() || !screen())
        return;
    const QRect frame = frameGeometry();
    const QPoint snapped = veltrano::SnapToWorkArea(frame, screen()->availableGeometry());
    if (snapped != frame.topLeft())
        move(snapped);
}

ToDoBlend ToDoWindow::blendSettings() const
{
    return m_blendSource ? m_blendSource() : ToDoBlend{};
}

void ToDoWindow::setAlphaBlend(bool on)
{
    m_alphaBlend = on;
    applyOpacity();
}

void ToDoWindow::setAlphaBlendValue(int value)
{
    m_alphaBlendValue = std::clamp(value, 0, 255);
    applyOpacity();
}

void ToDoWindow::applyOpacity()
{
    const qreal opacity = m_alphaBlend ? m_alphaBlendValue / 255.0 : 1.0;
    if (!qFuzzyCompare(windowOpacity(), opacity))
        setWindowOpacity(opacity);
}

void ToDoWindow::onMouseOver()
{
    const ToDoBlend blend = blendSettings();
    if (blend.enabled)
        setAlphaBlendValue(BlendUnderMouse(blend.value));
}

void ToDoWindow::onMouseLeft()
{
    const ToDoBlend blend = blendSettings();
    if (blend.enabled)
        setAlphaBlendValue(BlendAfterMouseLeft(blend.value));
}

void ToDoWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        closeWindow();
    else
        QWidget::keyPressEvent(event);
}

bool ToDoWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        closeWindow();
        return true;
    }
    if (watched == m_view->viewport()) {
        if (event->type() == QEvent::MouseButtonPress
            && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
            onListRightClick(static_cast<QMouseEvent *>(event)->position().toPoint());
            return true;
        }
        followMouse(event->type());
    }
    return QWidget::eventFilter(watched, event);
}

void ToDoWindow::onListRightClick(QPoint at)
{
    const QModelIndex index = m_view->indexAt(at);
    const QPoint global = m_view->viewport()->mapToGlobal(at);
    if (!index.isValid()) {
        m_popupMenu1->popup(global);
        return;
    }
    m_view->setFocus(Qt::MouseFocusReason);
    m_view->setCurrentIndex(index);
    m_popupMenu->popup(global);
}

} // namespace veltrano
