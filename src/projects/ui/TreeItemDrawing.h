#pragma once
#include <QStyledItemDelegate>

#include <optional>

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
    // As tall as the selected node's bold line, so that rows keep their
    // places as the selection moves. The width is the view's: the tree never
    // scrolls sideways, and a label too long for it is shortened.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    // How much taller a bold line is than a plain one, learnt when a bold
    // label is first drawn; measured earlier, it would load the bold face
    // before the window is first shown.
    void learnBoldHeight(const QStyleOptionViewItem &plain, const QFont &bold) const;
    mutable std::optional<int> m_boldExtraHeight;
};

} // namespace veltrano
