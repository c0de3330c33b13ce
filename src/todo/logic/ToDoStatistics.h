#pragma once
#include "todo/logic/ToDoStore.h"

#include <QRect>
#include <QString>

namespace veltrano {

// part / total as a whole percentage, halves going to the even neighbour
// (12.5 gives 12, 37.5 gives 38). Worked in integers, so a half is exactly a
// half whatever the counts. `total` must not be 0.
int RoundPercent(qsizetype part, qsizetype total);

// What the statistics dialog shows for the counts: the percentages, the hints
// of its value labels, legend squares and chart, and the two bars.
class ToDoChart {
public:
    explicit ToDoChart(const ToDoCounts &counts);

    bool isEmpty() const { return m_empty; }
    int openPercent() const { return m_openPercent; }
    int donePercent() const { return m_donePercent; }

    static QString totalHint();
    QString openHint() const;
    QString doneHint() const;
    // With nothing in the list the chart says so instead of dividing by 0.
    QString chartHint() const;

    // Chart coordinates; one pixel of height per percent, standing on the
    // horizontal axis. Each bar is empty at 0 %.
    QRect doneBar() const;
    QRect openBar() const;

    static constexpr int kAxisY = 124;

private:
    bool m_empty = true;
    int m_openPercent = 0;
    int m_donePercent = 0;
};

} // namespace veltrano
