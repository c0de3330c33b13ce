#pragma once
#include <QStyledItemDelegate>

class QAbstractItemView;

namespace veltrano {

// How `TreeViewProjects` draws a node: the selected node in bold on a cream
// background (RGB 255, 251, 240) behind its label, every other node plain on
// the window colour. The selection keeps the label readable in the window's
// own text colour instead of the desktop's highlight.
class TreeItemDrawing final : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Draws the items of `tree`, whose branch lines then stay out of the
    // selection's colour as well.
    explicit TreeItemDrawing(QAbstractItemView *tree);

    static QColor selectedBackground() { return {255, 251, 240}; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // Wide enough for the bold label, so selecting a node never cuts it short.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace veltrano
