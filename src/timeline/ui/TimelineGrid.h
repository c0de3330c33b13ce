#pragma once
// The grid both timeline views show a day in: 24 hour rows, the hour label
// beside each entry, whole rows selected, cells painted in stripes.
#include "timeline/logic/DayView.h"
#include "timeline/ui/WeekContext.h"

#include <QTableWidget>

namespace veltrano {

class TimelineGrid : public QTableWidget {
    Q_OBJECT
public:
    // A file that cannot be read or written is reported through the
    // context's message boxes.
    TimelineGrid(const WeekContext &context, int rowHeight, QWidget *parent = nullptr);

    // The day shown and its plan.
    DayNumber day() const { return m_view.day(); }
    const DayPlan &plan() const { return m_view.plan(); }
    // Loads `day` and fills the grid: hour labels, column widths 50 and 420,
    // then the entries (all empty when the file cannot be read).
    bool showDay(DayNumber day);
    // The entry of the current row, and a change of it saved at once; the
    // cell shows the new text even when the save fails.
    QString currentEntry() const;
    bool setCurrentEntry(const QString &text);
    // Empties every entry and saves the day.
    bool clearDay();
    // The width the columns can share without a horizontal scroll bar once
    // the rows are `rowHeight` high: inside the frame, and beside the
    // vertical bar when the rows need one.
    int columnsRoom(int rowHeight) const;
    // The current row, never none.
    int currentHour() const;
    void setCurrentHour(int hour);

signals:
    // Enter, or a double click.
    void editRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void fillEntries();
    bool reported(const std::optional<QString> &error) const;

    AppContext &m_app;
    DayView m_view;
};

} // namespace veltrano
