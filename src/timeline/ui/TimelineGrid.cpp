#include "timeline/ui/TimelineGrid.h"

#include "common/ui/AppContext.h"

#include "common/logic/MessageBoxes.h"
#include "timeline/logic/TimelineCells.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace veltrano {
namespace {

constexpr int kHourColumnWidth = 50;
constexpr int kEntryColumnWidth = 420;

// Stripes and black text for every cell, selected or not, so the plan reads
// the same wherever the current row is.
class TimelineCellDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QRect cell = option.rect;
        painter->save();
        painter->setClipRect(cell);
        painter->fillRect(cell, TimelineCellBackground(index.row()));
        painter->setPen(kTimelineCellText);
        painter->setFont(option.font);
        const int textHeight = option.fontMetrics.height();
        const QRect text(cell.left() + kTimelineTextIndent, TimelineTextTop(cell.top(), cell.height(), textHeight),
                         cell.width() - kTimelineTextIndent, textHeight);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

QTableWidgetItem *readOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

TimelineGrid::TimelineGrid(const WeekContext &context, int rowHeight, QWidget *parent)
    : QTableWidget(parent), m_app(context.app), m_view(context.store)
{
    setObjectName(QStringLiteral("StringGrid"));
    // Rows and columns come after the headers are hidden: a shown header
    // measures the caption of every section, most of this grid's cost.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setRowCount(kHoursPerDay);
    setColumnCount(2);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setItemDelegate(new TimelineCellDelegate(this));
    // The small font the rows were laid out for; where "MS Sans Serif" is
    // missing, the desktop's sans serif stands in.
    QFont small = font();
    small.setFamilies({QStringLiteral("MS Sans Serif"), small.family()});
    small.setPointSize(8);
    setFont(small);
    for (int hour = 0; hour < kHoursPerDay; ++hour) {
        setItem(hour, 0, readOnlyItem(HourLabel(hour)));
        setItem(hour, 1, readOnlyItem({}));
    }
    setColumnWidth(0, kHourColumnWidth);
    setColumnWidth(1, kEntryColumnWidth);
    setCurrentHour(0);
}

bool TimelineGrid::reported(const std::optional<QString> &error) const
{
    if (error)
        m_app.messagesAbout(this).error(*error);
    return !error;
}

bool TimelineGrid::showDay(DayNumber day)
{
    const std::optional<QString> error = m_view.show(day);
    for (int hour = 0; hour < kHoursPerDay; ++hour)
        item(hour, 0)->setText(HourLabel(hour));
    setColumnWidth(0, kHourColumnWidth);
    setColumnWidth(1, kEntryColumnWidth);
    fillEntries();
    return reported(error);
}

void TimelineGrid::fillEntries()
{
    for (int hour = 0; hour < kHoursPerDay; ++hour)
        item(hour, 1)->setText(m_view.plan()[hour]);
}

QString TimelineGrid::currentEntry() const
{
    return m_view.plan()[currentHour()];
}

bool TimelineGrid::setCurrentEntry(const QString &text)
{
    const int hour = currentHour();
    const DayPlan before = m_view.plan();
    const std::optional<QString> error = m_view.setEntry(hour, text);
    // The hours another hand changed meanwhile come along.
    for (int row = 0; row < kHoursPerDay; ++row) {
        if (row == hour || m_view.plan()[row] != before[row])
            item(row, 1)->setText(m_view.plan()[row]);
    }
    return reported(error);
}

bool TimelineGrid::clearDay()
{
    const std::optional<QString> error = m_view.clear();
    fillEntries();
    return reported(error);
}

int TimelineGrid::columnsRoom(int rowHeight) const
{
    const QRect inside = contentsRect();
    const bool rowsScroll = rowCount() * rowHeight > inside.height();
    return inside.width() - (rowsScroll ? verticalScrollBar()->sizeHint().width() : 0);
}

int TimelineGrid::currentHour() const
{
    const int row = currentRow();
    return row >= 0 && row < kHoursPerDay ? row : 0;
}

void TimelineGrid::setCurrentHour(int hour)
{
    setCurrentCell(qBound(0, hour, kHoursPerDay - 1), 1);
}

void TimelineGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit editRequested();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// The right button makes the row under the pointer current before the
// context menu opens, so the menu acts on the row it was opened over.
void TimelineGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        const int row = rowAt(event->position().toPoint().y());
        if (row >= 0)
            setCurrentHour(row);
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void TimelineGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTableWidget::mouseDoubleClickEvent(event);
    emit editRequested();
}

// The cells hide the selection, so a dotted frame shows which row the
// dialogs and the context menu act on.
void TimelineGrid::paintEvent(QPaintEvent *event)
{
    QTableWidget::paintEvent(event);
    const int hour = currentHour();
    const QRect row = visualRect(model()->index(hour, 0)).united(visualRect(model()->index(hour, 1)));
    QPainter painter(viewport());
    painter.setPen(QPen(kTimelineCellText, 1, Qt::DotLine));
    painter.drawRect(row.adjusted(0, 0, -1, -1));
}

void TimelineGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableWidget::currentChanged(current, previous);
    viewport()->update();
}

} // namespace veltrano
