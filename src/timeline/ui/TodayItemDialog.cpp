#include "timeline/ui/TodayItemDialog.h"

#include <QKeyEvent>

namespace veltrano {

TodayItemDialog::TodayItemDialog(ModalDialogs &dialogs)
    : WeekEntryDialog("frmWeekEdit1", QStringLiteral("Today Editor"), EnterGoesTo::Dialog, dialogs)
{
}

void TodayItemDialog::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        WeekEntryDialog::keyPressEvent(event);
}

} // namespace veltrano
