#include "common/ui/Hints.h"

#include "common/logic/HintText.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

namespace veltrano {
namespace {

bool showsNoText(const QWidget *widget)
{
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    if (!button)
        return false;
    const auto *tool = qobject_cast<const QToolButton *>(button);
    return button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly);
}

} // namespace

void setHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(HintShortPart(hint));
    widget->setStatusTip(HintLongPart(hint));
    // A screen reader would say no more than "button" for a picture-only
    // button; it says the short part of the hint instead.
    if (showsNoText(widget) && widget->accessibleName().isEmpty())
        widget->setAccessibleName(HintShortPart(hint));
}

void setHint(QAction *action, const QString &hint)
{
    action->setToolTip(hint.isEmpty() ? action->text() : HintShortPart(hint));
    action->setStatusTip(HintLongPart(hint));
}

QAction *makeAction(QObject *parent, const char *name, const QString &caption, const QString &hint,
                    const QKeySequence &shortcut)
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(QLatin1String(name));
    setHint(action, hint);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

void attachContextMenu(QWidget *widget, QMenu *menu)
{
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    // Scroll areas report the point in their viewport's coordinates.
    auto *area = qobject_cast<QAbstractScrollArea *>(widget);
    QWidget *origin = area ? area->viewport() : widget;
    QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
                     [menu, origin](const QPoint &at) { menu->popup(origin->mapToGlobal(at)); });
}

QAction *makeMenuItem(QObject *parent, const char *name, QAction *target)
{
    auto *item = new QAction(target->icon(), target->text(), parent);
    item->setObjectName(QLatin1String(name));
    item->setToolTip(target->toolTip());
    item->setStatusTip(target->statusTip());
    item->setEnabled(target->isEnabled());
    QObject::connect(item, &QAction::triggered, target, [target] { target->trigger(); });
    QObject::connect(target, &QAction::changed, item, [item, target] {
        item->setEnabled(target->isEnabled());
        item->setIcon(target->icon());
    });
    return item;
}

} // namespace veltrano
