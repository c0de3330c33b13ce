#include "clocks/ui/ClockWindow.h"

#include "common/ui/WindowGeometry.h"
#include "clocks/logic/ClockSettings.h"
#include "clocks/ui/ClockLayers.h"
#include "common/ui/Hints.h"
#include "platform/Clock.h"
#include "platform/RegionalFormats.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>

namespace veltrano {
namespace {

constexpr QRect kPanelClock(8, 7, 153, 153);
constexpr QSize kLayerSize(151, 151);
constexpr QRect kLabelTime(12, 165, 151, 17);

} // namespace

ClockWindow::ClockWindow(SettingsStore &settings, const Clock &clock, const RegionalFormats &formats,
                         std::optional<QPoint> savedPosition)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint),
      m_settings(settings), m_clock(clock), m_formats(formats)
{
    setObjectName(QStringLiteral("frmClock"));
    setWindowTitle(QStringLiteral("Deduvi Clock"));
    setFixedSize(kClientSize);
    buildPanel();
    buildMenu();

    if (savedPosition) {
        move(*savedPosition);
        m_placed = true;
    }

    m_tick.setObjectName(QStringLiteral("Timer1"));
    m_tick.setInterval(kTimer1Ms);
    connect(&m_tick, &QTimer::timeout, this, &ClockWindow::onTick);
    m_tick.start();
    new SnapAfterDrag(*this);
}

ClockWindow::~ClockWindow() = default;

void ClockWindow::buildPanel()
{
    m_clockPanel = new ClockPanel(this);
    m_clockPanel->setGeometry(kPanelClock);
    const QRect inner(m_clockPanel->contentsRect().topLeft(), kLayerSize);
    m_dialLayer = new ClockLayer("Moscow", QStringLiteral("Dial"), m_clockPanel);
    m_dialLayer->setGeometry(inner);
    m_handsLayer = new ClockLayer("Image1", QStringLiteral("Hands"), m_clockPanel);
    m_handsLayer->setGeometry(inner);
    AddClockCorners(*m_clockPanel);

    m_timeLabel = named(new QLabel(this), "LabelTime");
    m_timeLabel->setGeometry(kLabelTime);
    m_timeLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void ClockWindow::buildMenu()
{
    m_menu = named(new QMenu(this), "PopupMenuDeduviClock");
    m_stayOnTop = makeAction(m_menu, "StayOnTop1", QStringLiteral("Stay On Top"));
    m_stayOnTop->setCheckable(true);
    connect(m_stayOnTop, &QAction::triggered, this, &ClockWindow::toggleStayOnTop);
    QAction *close1 = makeAction(m_menu, "Close1", QStringLiteral("Close"));
    connect(close1, &QAction::triggered, this, &QWidget::close);
    m_menu->addAction(m_stayOnTop);
    m_menu->addSeparator();
    m_menu->addAction(close1);
    attachContextMenu(this, m_menu);
}

void ClockWindow::showClock()
{
    show();
    raise();
    activateWindow();
}

// Also while hidden the clock keeps its time; only the drawing waits until
// there is a window to see it. Every other tick falls in the second already
// shown, whose text and hands are known.
void ClockWindow::onTick()
{
    m_render.SampleTime(m_clock.now());
    const QTime sampled = m_render.state().sampled.time();
    const int second = sampled.msecsSinceStartOfDay() / 1000;
    if (second == std::exchange(m_secondShown, second))
        return;
    m_timeLabel->setText(m_formats.longTime(sampled));
    if (!isVisible())
        return;
    ensureLayers();
    drawHands();
    drawDial();
}

// The layers and the dial are made when the clock is first shown: most
// starts never show it, and drawing the dial is the dearest step of all. They
// are made again for a screen of another pixel density.
void ClockWindow::ensureLayers()
{
    const qreal ratio = devicePixelRatioF();
    if (!m_dial.isNull() && m_dial.devicePixelRatio() == ratio)
        return;
    m_hands = BlankClockLayer(kLayerSize, ratio);
    m_dial = BlankClockLayer(kLayerSize, ratio);
    m_render.ClockInit(kLayerSize, m_dial, m_clock.now());
    m_handsShown.reset();
    m_dialShown = false;
}

// Redrawn only when a hand has moved: at two ticks a second every other tick
// would draw the same picture.
void ClockWindow::drawHands()
{
    const QTime sampled = m_render.state().sampled.time();
    const HandTime hands = HandsFor(m_formats.longTime(sampled), sampled);
    if (m_handsShown == hands)
        return;
    QRect changed = m_render.HandsBounds(hands);
    if (m_handsShown)
        changed |= m_render.HandsBounds(*m_handsShown);
    m_render.DrawHands(m_hands, hands);
    m_handsShown = hands;
    m_handsLayer->setPicture(m_hands, changed);
}

// The dial never changes: it is put on its layer once.
void ClockWindow::drawDial()
{
    if (m_dialShown)
        return;
    m_dialShown = true;
    m_dialLayer->setPicture(m_dial, m_dial.rect());
}

void ClockWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        onShow();
}

void ClockWindow::onShow()
{
    // The picture shows the time sampled at the last tick; the next tick
    // moves it on.
    ensureLayers();
    drawHands();
    drawDial();
    m_render.SampleTime(m_clock.now());
    placeOnFirstShow();
    KeepOnScreen(*this);
}

void ClockWindow::placeOnFirstShow()
{
    if (!std::exchange(m_placed, true))
        CentreOnDesktop(*this);
}

void ClockWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    WriteClockPosition(m_settings, pos());
}

void ClockWindow::toggleStayOnTop()
{
    SetStaysOnTop(*this, m_stayOnTop->isChecked());
}

} // namespace veltrano
