#pragma once
#include <QListView>

namespace veltrano {

// The to-do window's check list. An item too long for the window is cut off
// in its row; resting the mouse on it shows the whole text. Rows all have
// the height of the first, so a list of any length is laid out and painted
// at the cost of the rows in view.
class ToDoListView final : public QListView {
    Q_OBJECT
public:
    explicit ToDoListView(QWidget *parent = nullptr);

    // The text a tip over `index` shows: its whole text when the row shows
    // only part of it, else nothing.
    QString cutOffText(const QModelIndex &index) const;

protected:
    bool viewportEvent(QEvent *event) override;
};

// An item's text as a tip shows it: as typed (markup-like text is not
// interpreted, runs of spaces stay), wrapped when long.
QString PlainTextTip(const QString &text);

} // namespace veltrano
