// The to-do statistics: counts, percentages and a small bar chart of the
// open and done shares.
#pragma once
#include "common/ui/SmallDialog.h"
#include "todo/logic/ToDoStore.h"

#include <QDialog>

class QLabel;

namespace veltrano {

class ToDoChartBox;

inline constexpr auto kStatisticsCaption = u"Common To-Do List Info";
inline constexpr QSize kStatisticsClientSize{264, 322};

// "Common To-Do List Info": modal, made with the counts of the moment each
// time it opens. Hints follow the counts at every painting.
class ToDoStatisticsDialog final : public SmallDialog {
    Q_OBJECT
public:
    explicit ToDoStatisticsDialog(const ToDoCounts &counts);

    void setCounts(const ToDoCounts &counts);
    void closeDialog();

protected:
    void keyPressEvent(QKeyEvent *event) override;

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
};

} // namespace veltrano
