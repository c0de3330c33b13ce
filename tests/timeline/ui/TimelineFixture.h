#pragma once
// The program put together on a fixed clock (Tuesday 8 December 2026, 9:30)
// in a fresh data folder, with the timeline's dialogs answered by script.
#include "app/ui/Application.h"
#include "support/AssembledProgram.h"
#include "timeline/ui/WeekEditor.h"
#include "timeline/ui/TimelineFeature.h"
#include "timeline/ui/TimelineGrid.h"

#include <QDialog>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace veltrano::test {

inline constexpr int kTuesday = 3;

class TimelineFixture : public AssembledProgram {
protected:
    TimelineFixture()
    {
        dialogs.answer = [this](QDialog &dialog) {
            if (const auto script = scripts.value(dialog.objectName()))
                script(dialog);
        };
    }

    // Writes a day file of the given entries, one a line, CR LF after each.
    void writeDay(const QString &name, const QStringList &entries)
    {
        QByteArray bytes;
        for (const QString &entry : entries)
            bytes += entry.toUtf8() + "\r\n";
        dir.write(u"Week/" + name + u".txt", bytes);
    }
    QStringList dayLines(const QString &name) const
    {
        QStringList lines = QString::fromUtf8(dir.read(u"Week/" + name + u".txt")).split(QStringLiteral("\r\n"));
        lines.removeLast(); // after the last CR LF
        return lines;
    }
    // A week of entries "<Day> <hour>".
    void writeWeek()
    {
        for (int day = 1; day <= 7; ++day) {
            QStringList entries;
            for (int hour = 0; hour < 24; ++hour)
                entries << DayName(day) + u' ' + QString::number(hour);
            writeDay(DayName(day), entries);
        }
    }

    TimelineFeature &timeline() const { return program->timeline(); }
    TimelineGrid &today() const { return *timeline().todayGrid(); }
    WeekEditor &editor() const { return timeline().weekEditor(); }
    QString cell(const TimelineGrid &grid, int row, int column = 1) const { return grid.item(row, column)->text(); }

    // Fills the edit box of an entry dialog and presses "Change" or "Cancel".
    static void answerEntry(QDialog &dialog, const QString &text, bool change)
    {
        dialog.findChild<QLineEdit *>(QStringLiteral("Edit"))->setText(text);
        dialog.findChild<QPushButton *>(change ? QStringLiteral("Button") : QStringLiteral("Button1"))->click();
    }
    // A timer's tick, now.
    static void tick(QTimer &timer) { QMetaObject::invokeMethod(&timer, "timeout"); }
    static QString preset(QDialog &dialog) { return dialog.findChild<QLineEdit *>(QStringLiteral("Edit"))->text(); }

    QMap<QString, std::function<void(QDialog &)>> scripts;
};

} // namespace veltrano::test
