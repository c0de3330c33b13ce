#include "projects/ui/WorklistHeader.h"

#include "common/ui/Hints.h"

#include <QEvent>
#include <QToolButton>

namespace veltrano {
namespace {

constexpr int kSpacing = 1;

} // namespace

WorklistHeader::WorklistHeader(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PanelWorklistHeader"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QToolButton *WorklistHeader::addButton(const char *name, const QString &caption, const QIcon &icon)
{
    auto *button = named(new QToolButton(this), name);
    button->setText(caption);
    button->setIcon(icon);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // Also when the caption is not drawn, a screen reader says what it is.
    button->setAccessibleName(caption);
    m_buttons << button;
    m_widths.reset();
    updateGeometry();
    return button;
}

const WorklistHeader::Widths &WorklistHeader::widths() const
{
    if (m_widths)
        return *m_widths;
    Widths measured;
    const auto widthIn = [](QToolButton *button, Qt::ToolButtonStyle style) {
        button->setToolButtonStyle(style);
        return button->sizeHint();
    };
    for (QToolButton *button : m_buttons) {
        const Qt::ToolButtonStyle style = button->toolButtonStyle();
        const QSize full = widthIn(button, Qt::ToolButtonTextBesideIcon);
        measured.picturesAndCaptions += full.width() + kSpacing;
        measured.captionsOnly += widthIn(button, Qt::ToolButtonTextOnly).width() + kSpacing;
        measured.picturesOnly += widthIn(button, Qt::ToolButtonIconOnly).width() + kSpacing;
        measured.height = qMax(measured.height, full.height());
        button->setToolButtonStyle(style);
    }
    m_widths = measured;
    return *m_widths;
}

QSize WorklistHeader::sizeHint() const
{
    return {widths().picturesAndCaptions - kSpacing, widths().height};
}

QSize WorklistHeader::minimumSizeHint() const
{
    return {widths().picturesOnly - kSpacing, widths().height};
}

void WorklistHeader::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeButtons();
}

void WorklistHeader::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_widths.reset();
        updateGeometry();
        placeButtons();
    }
}

void WorklistHeader::placeButtons()
{
    const Widths &needed = widths();
    const int room = width() + kSpacing; // no gap after the last button
    m_style = room >= needed.picturesAndCaptions ? Qt::ToolButtonTextBesideIcon
              : room >= needed.captionsOnly      ? Qt::ToolButtonTextOnly
                                                 : Qt::ToolButtonIconOnly;
    const bool captions = m_style != Qt::ToolButtonIconOnly;
    int x = 0;
    for (QToolButton *button : m_buttons) {
        button->setToolButtonStyle(m_style);
        // A button without a hint of its own tells its caption while it hides it.
        if (button->toolTip().isEmpty() || button->property("captionAsHint").toBool()) {
            button->setProperty("captionAsHint", true);
            button->setToolTip(captions ? QString() : button->text());
        }
        const QSize size = button->sizeHint();
        button->setGeometry(x, 0, size.width(), height());
        x += size.width() + kSpacing;
    }
}

} // namespace veltrano
