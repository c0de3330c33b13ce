#include "common/ui/Hints.h"

#include "app/logic/GUI.h"

#include <QAction>
#include <QWidget>

namespace veltrano {

void setHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(HintShortPart(hint));
    widget->setStatusTip(HintLongPart(hint));
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
