#include "app/ui/PanelMenu.h"

#include "app/logic/PanelMenuState.h"
#include "common/logic/Pages.h"
#include "common/ui/AppPictures.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace veltrano {
namespace {

constexpr int kItemLeft = 8;
constexpr int kItemWidth = 73;
constexpr int kImageHeight = 33;
constexpr int kLabelHeight = 16;
constexpr int kPictureSize = 28;
const char *const kItemProperty = "panelMenuItem";
const char *const kPictureProperty = "panelMenuPicture"; // a picture not drawn yet

void drawFrame(QPainter &painter, const QRect &frame, const QColor &fill, const QColor &outline)
{
    painter.fillRect(frame, outline);
    painter.fillRect(frame.adjusted(1, 1, -1, -1), fill);
}

} // namespace

PanelMenuPaintBox::PanelMenuPaintBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBoxMenu"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PanelMenuPaintBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor face = LightenColour(palette().color(QPalette::Button), kPanelMenuLightenPercent);
    // The face reaches the panel's whole size, not only the paint box, so no
    // strip of another colour shows where the box falls short of the panel.
    painter.fillRect(QRect(QPoint(), parentWidget()->size()), face);
    if (!m_state)
        return;
    if (const auto frame = MenuFrameRect(static_cast<int>(m_state->selectedItem())))
        drawFrame(painter, *frame, Qt::white, palette().color(QPalette::Highlight));
    if (const auto frame = MenuFrameRect(static_cast<int>(m_state->hoveredItem())))
        drawFrame(painter, *frame, face, QColor(192, 192, 192));
}

PanelMenu::PanelMenu(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelMenu"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedWidth(93);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_paintBox = new PanelMenuPaintBox(this);
    m_paintBox->installEventFilter(this);

    m_catchers << addCatcher("ImageCommon", QRect(80, 0, 13, 476));
    m_catchers << addCatcher("Image9", QRect(-1, 373, 93, 109));
    m_catchers << addCatcher("Image10", QRect(1, 1, 6, 480));

    for (const PageRow &row : PageTable())
        addItem(PanelItemOf(row.page), row.panel);
}

void PanelMenu::addItem(unsigned item, const PanelItem &look)
{
    const QString caption = QString::fromUtf8(look.caption);
    auto *image = new QLabel(this);
    image->setObjectName(QLatin1String(look.image));
    image->setGeometry(kItemLeft, look.imageTop, kItemWidth, kImageHeight);
    image->setAlignment(Qt::AlignCenter);
    // The picture says what the caption below it says.
    image->setAccessibleName(caption);
    // Drawn at the picture's first paint, after the window is on screen, and
    // never for an item that is never shown.
    image->setProperty(kPictureProperty, QLatin1String(look.picture));

    auto *label = new QLabel(caption, this);
    label->setObjectName(QLatin1String(look.label));
    label->setGeometry(kItemLeft, look.labelTop, kItemWidth, kLabelHeight);
    label->setAlignment(Qt::AlignCenter);

    for (QLabel *widget : {image, label}) {
        widget->setProperty(kItemProperty, item);
        widget->setCursor(Qt::PointingHandCursor);
        widget->setAttribute(Qt::WA_TranslucentBackground);
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
        widget->setEnabled(look.enabled);
        if (!look.shown)
            widget->hide();
    }
}

void PanelMenu::drawPicture(QLabel *image)
{
    const QVariant picture = image->property(kPictureProperty);
    if (!picture.isValid())
        return;
    image->setProperty(kPictureProperty, QVariant());
    image->setPixmap(appPicture(picture.toString()).pixmap(QSize(kPictureSize, kPictureSize), devicePixelRatioF()));
}

QWidget *PanelMenu::addCatcher(const char *name, const QRect &geometry)
{
    auto *catcher = new QWidget(this);
    catcher->setObjectName(QLatin1String(name));
    catcher->setGeometry(geometry);
    catcher->setMouseTracking(true);
    catcher->installEventFilter(this);
    return catcher;
}

void PanelMenu::setState(PanelMenuState *state)
{
    m_state = state;
    m_paintBox->setState(state);
    repaintMenu();
}

void PanelMenu::repaintMenu()
{
    m_paintBox->update();
}

void PanelMenu::setHovered(unsigned item)
{
    if (!m_state)
        return;
    m_state->setHoveredItem(item);
    repaintMenu();
}

bool PanelMenu::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    const QVariant item = widget ? widget->property(kItemProperty) : QVariant();
    if (event->type() == QEvent::Paint && widget && widget->property(kPictureProperty).isValid()) {
        drawPicture(static_cast<QLabel *>(widget));
    } else if (event->type() == QEvent::MouseMove) {
        // Items set their own number; the paint box and the strips clear it.
        setHovered(item.isValid() ? item.toUInt() : 0u);
    } else if (event->type() == QEvent::MouseButtonRelease && item.isValid()) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()))
            emit itemClicked(item.toUInt());
    }
    return QFrame::eventFilter(watched, event);
}

// A pointer that leaves the panel in one jump, without a move over the strips
// that would clear it, takes the hover frame with it.
void PanelMenu::leaveEvent(QEvent *event)
{
    QFrame::leaveEvent(event);
    setHovered(0);
}

void PanelMenu::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_paintBox->setGeometry(contentsRect());
    m_paintBox->lower();
}

} // namespace veltrano
