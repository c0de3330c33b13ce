#include "projects/ui/TreeItemDrawing.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QItemSelectionModel>
#include <QPainter>
#include <QProxyStyle>

namespace veltrano {
namespace {

// Some styles paint the selection under the branch lines too; only the
// label's rectangle shows it here.
class PlainBranches final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *data) const override
    {
        if (hint == SH_ItemView_ShowDecorationSelected)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

} // namespace

TreeItemDrawing::TreeItemDrawing(QAbstractItemView *tree) : QStyledItemDelegate(tree)
{
    auto *style = new PlainBranches(tree->style()->name());
    style->setParent(tree);
    tree->setStyle(style);
}

void TreeItemDrawing::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    const bool selectedNode = view && view->currentIndex() == index && view->selectionModel()
                              && view->selectionModel()->isSelected(index);
    item.font.setBold(selectedNode);
    item.fontMetrics = QFontMetrics(item.font);
    if (selectedNode)
        learnBoldHeight(option, item.font);

    QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, option.widget);
    const bool drawnSelected = item.state & QStyle::State_Selected;
    painter->fillRect(text, drawnSelected ? selectedBackground() : item.palette.color(QPalette::Base));
    // The selected node is the current one, and the style's focus frame would
    // tint the cream.
    item.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    item.backgroundBrush = Qt::NoBrush;
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, option.widget);
}

QSize TreeItemDrawing::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.rheight() += m_boldExtraHeight.value_or(0);
    return size;
}

void TreeItemDrawing::learnBoldHeight(const QStyleOptionViewItem &plain, const QFont &bold) const
{
    if (m_boldExtraHeight)
        return;
    m_boldExtraHeight = qMax(0, QFontMetrics(bold).height() - plain.fontMetrics.height());
    // The view lays its rows out again once this paint is over.
    if (*m_boldExtraHeight > 0) {
        auto *self = const_cast<TreeItemDrawing *>(this);
        QMetaObject::invokeMethod(self, [self] { emit self->sizeHintChanged(QModelIndex()); }, Qt::QueuedConnection);
    }
}

} // namespace veltrano
