#include "app/ui/PanelMenu.h"

#include "common/ui/AppPictures.h"
#include "app/logic/GUI.h"

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

void drawFrame(QPainter &painter, const QRect &frame, const QColor &fill, const QColor &outline)
{
    painter.fillRect(frame, outline);
    painter.fillRect(frame.adjusted(1, 1, -1, -1), fill);
}

} // namespace

TPaintBoxMenu::TPaintBoxMenu(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBoxMenu"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TPaintBoxMenu::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor face = LightenColour(palette().color(QPalette::Button), kPanelMenuLightenPercent);
    // The whole panel's size, as the menu has always been painted.
    painter.fillRect(QRect(QPoint(), parentWidget()->size()), face);
    if (!m_state)
        return;
    if (const auto frame = MenuFrameRect(static_cast<int>(m_state->selectedItem())))
        drawFrame(painter, *frame, Qt::white, palette().color(QPalette::Highlight));
    if (const auto frame = MenuFrameRect(static_cast<int>(m_state->hoveredItem())))
        drawFrame(painter, *frame, face, QColor(192, 192, 192));
}

TPanelMenu::TPanelMenu(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelMenu"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedWidth(93);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_paintBox = new TPaintBoxMenu(this);
    m_paintBox->installEventFilter(this);

    m_catchers << addCatcher("ImageCommon", QRect(80, 0, 13, 476));
    m_catchers << addCatcher("Image9", QRect(-1, 373, 93, 109));
    m_catchers << addCatcher("Image10", QRect(1, 1, 6, 480));

    addItem(1, "Image2", "Label1", QStringLiteral("Today"), QStringLiteral("panel_today"), 8, 40);
    addItem(2, "Image3", "Label3", QStringLiteral("Worklist"), QStringLiteral("panel_worklist"), 59, 93);
    addItem(3, "Image1", "Label4", QStringLiteral("Planner"), QStringLiteral("panel_planner"), 112, 146);
    addItem(4, "Image5", "Label6", QStringLiteral("Notelist"), QStringLiteral("panel_notelist"), 162, 196);
    addItem(5, "Image6", "Label7", QStringLiteral("Wake Up!"), QStringLiteral("panel_wakeup"), 214, 248);
    addItem(6, "Image7", "Label8", QStringLiteral("Bluetooth"), QStringLiteral("panel_bluetooth"), 263, 297);
    addItem(7, "Image8", "Label9", QStringLiteral("Marrowby"), QStringLiteral("panel_marrowby"), 320, 354);
    // Planner and Notelist are hidden and disabled, Bluetooth and Marrowby hidden.
    for (QWidget *widget : std::as_const(m_itemWidgets)) {
        const int item = widget->property(kItemProperty).toInt();
        if (item == 3 || item == 4)
            widget->setEnabled(false);
        if (item == 3 || item == 4 || item == 6 || item == 7)
            widget->hide();
    }
}

void TPanelMenu::addItem(int item, const char *imageName, const char *labelName, const QString &caption,
                         const QString &picture, int imageTop, int labelTop)
{
    auto *image = new QLabel(this);
    image->setObjectName(QLatin1String(imageName));
    image->setGeometry(kItemLeft, imageTop, kItemWidth, kImageHeight);
    image->setAlignment(Qt::AlignCenter);
    image->setPixmap(appPicture(picture).pixmap(QSize(kPictureSize, kPictureSize), devicePixelRatioF()));

    auto *label = new QLabel(caption, this);
    label->setObjectName(QLatin1String(labelName));
    label->setGeometry(kItemLeft, labelTop, kItemWidth, kLabelHeight);
    label->setAlignment(Qt::AlignCenter);

    for (QLabel *widget : {image, label}) {
        widget->setProperty(kItemProperty, item);
        widget->setCursor(Qt::PointingHandCursor);
        widget->setAttribute(Qt::WA_TranslucentBackground);
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
        m_itemWidgets << widget;
    }
}

QWidget *TPanelMenu::addCatcher(const char *name, const QRect &geometry)
{
    auto *catcher = new QWidget(this);
    catcher->setObjectName(QLatin1String(name));
    catcher->setGeometry(geometry);
    catcher->setMouseTracking(true);
    catcher->installEventFilter(this);
    return catcher;
}

void TPanelMenu::setState(TPanelMenuRender *state)
{
    m_state = state;
    m_paintBox->setState(state);
    repaintMenu();
}

void TPanelMenu::repaintMenu()
{
    m_paintBox->update();
}

void TPanelMenu::setHovered(unsigned item)
{
    if (!m_state)
        return;
    m_state->setHoveredItem(item);
    repaintMenu();
}

bool TPanelMenu::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    const QVariant item = widget ? widget->property(kItemProperty) : QVariant();
    if (event->type() == QEvent::MouseMove) {
        // Items set their own number; the paint box and the strips clear it.
        setHovered(item.isValid() ? item.toUInt() : 0u);
    } else if (event->type() == QEvent::MouseButtonRelease && item.isValid()) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()))
            emit itemClicked(item.toInt());
    }
    return QFrame::eventFilter(watched, event);
}

void TPanelMenu::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_paintBox->setGeometry(contentsRect());
    m_paintBox->lower();
}

} // namespace veltrano
