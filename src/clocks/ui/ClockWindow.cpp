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

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(kTimer1Ms);
    connect(&m_timer1, &QTimer::timeout, this, &ClockWindow::onTick);
    m_timer1.start();
    new SnapAfterDrag(*this);
}

ClockWindow::~ClockWindow() = default;

void ClockWindow::buildPanel()
{
    m_panelClock = new ClockPanel(this);
    m_panelClock->setGeometry(kPanelClock);
    const QRect inner(m_panelClock->contentsRect().topLeft(), kLayerSize);
    m_moscow = new ClockLayer("Moscow", QStringLiteral("Dial"), m_panelClock);
    m_moscow->setGeometry(inner);
    m_image1 = new ClockLayer("Image1", QStringLiteral("Hands"), m_panelClock);
    m_image1->setGeometry(inner);
    AddClockCorners(*m_panelClock);

    m_labelTime = named(new QLabel(this), "LabelTime");
    m_labelTime->setGeometry(kLabelTime);
    m_labelTime->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void ClockWindow::buildMenu()
{
    m_popupMenu = named(new QMenu(this), "PopupMenuDeduviClock");
    m_stayOnTop1 = makeAction(m_popupMenu, "StayOnTop1", QStringLiteral("Stay On Top"));
    m_stayOnTop1->setCheckable(true);
    connect(m_stayOnTop1, &QAction::triggered, this, &ClockWindow::toggleStayOnTop);
    QAction *close1 = makeAction(m_popupMenu, "Close1", QStringLiteral("Close"));
    connect(close1, &QAction::triggered, this, &QWidget::close);
    m_popupMenu->addAction(m_stayOnTop1);
    m_popupMenu->addSeparator();
    m_popupMenu->addAction(close1);
    attachContextMenu(this, m_popupMenu);
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
    m_labelTime->setText(m_formats.longTime(sampled));
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
    m_image1->setPicture(m_hands, changed);
}

// The dial never changes: it is put on its layer once.
void ClockWindow::drawDial()
{
    if (m_dialShown)
        return;
    m_dialShown = true;
    m_moscow->setPicture(m_dial, m_dial.rect());
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
    SetStaysOnTop(*this, m_stayOnTop1->isChecked());
}

} // namespace veltrano
