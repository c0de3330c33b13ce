#pragma once
#include <QObject>

class QTableWidget;

namespace veltrano {

class TMainForm;

// The timeline's share of the main window: the Today page with its grid
// `StringGrid` and the grid's menu `PopupMenuToday`.
class TimelineFeature final : public QObject {
    Q_OBJECT
public:
    explicit TimelineFeature(TMainForm &main);

    QTableWidget *todayGrid() const { return m_grid; }

private:
    void createPopupMenu();
    // Column 1 and the row height follow the grid's size.
    void applyTodayGridFit();
    void TodayChosen();

    TMainForm &m_main;
    QTableWidget *m_grid = nullptr;
};

} // namespace veltrano
