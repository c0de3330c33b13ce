// The to-do statistics: counts, percentages and a small bar chart of the
// open and done shares.
#pragma once
#include "common/ui/FirstShow.h"
#include "todo/logic/ToDoStore.h"

#include <QDialog>

class QLabel;

namespace veltrano {

class ToDoChartBox;

inline constexpr auto kStatisticsCaption = u"Common To-Do List Info";
inline constexpr QSize kStatisticsClientSize{264, 322};

// "Common To-Do List Info": modal; the to-do window sets the counts just
// before it opens the dialog. Hints follow the counts at every painting. Its
// controls are built when it is first opened.
class ToDoStatisticsDialog final : public QDialog {
    Q_OBJECT
public:
    ToDoStatisticsDialog();

    void setCounts(const ToDoCounts &counts);
    void closeDialog();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void showCounts();
    // The chart's painting step: hints, then frame, grid, axes and bars.
    void paintChart(QPainter &painter);

    friend class ToDoChartBox;
    ToDoCounts m_counts;
    QLabel *m_total = nullptr; // Label4
    QLabel *m_open = nullptr;  // Label5
    QLabel *m_done = nullptr;  // Label6
    QWidget *m_openSquare = nullptr; // Shape1
    QWidget *m_doneSquare = nullptr; // Shape2
    ToDoChartBox *m_paintBox = nullptr;
    BuiltWhenFirstShown m_controls;
};

} // namespace veltrano
