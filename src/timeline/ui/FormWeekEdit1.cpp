#include "timeline/ui/FormWeekEdit1.h"

#include <QKeyEvent>

namespace veltrano {

TfrmWeekEdit1::TfrmWeekEdit1(ModalDialogs &dialogs)
    : WeekEntryDialog("frmWeekEdit1", QStringLiteral("Today Editor"), EnterGoesTo::Dialog, dialogs)
{
}

void TfrmWeekEdit1::keyPressEvent(QKeyEvent *event)
{
    FormKeyPress(event);
}

void TfrmWeekEdit1::FormKeyPress(QKeyEvent *event)
{
    if (!handleKey(event))
        WeekEntryDialog::keyPressEvent(event);
}

} // namespace veltrano
