#include "todo/ui/ToDoListView.h"

#include <QAbstractItemDelegate>
#include <QHelpEvent>
#include <QToolTip>

namespace veltrano {

ToDoListView::ToDoListView(QWidget *parent) : QListView(parent)
{
    setUniformItemSizes(true);
}

QString ToDoListView::cutOffText(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    // Asked only when a tip is wanted, never while painting.
    const int needed = itemDelegateForIndex(index)->sizeHint(option, index).width();
    const int shown = option.rect.intersected(viewport()->rect()).width();
    if (needed <= shown && option.rect.left() >= 0)
        return {};
    return index.data(Qt::DisplayRole).toString();
}

bool ToDoListView::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QListView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = cutOffText(index);
    if (text.isEmpty()) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(help->globalPos(), PlainTextTip(text), viewport(), visualRect(index));
    return true;
}

QString PlainTextTip(const QString &text)
{
    return QStringLiteral("<p style='white-space:pre-wrap'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace veltrano
