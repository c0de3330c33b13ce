#include "timeline/ui/FormWeekEdit1.h"

#include <QKeyEvent>
#include <QPushButton>

namespace veltrano {

TfrmWeekEdit1::TfrmWeekEdit1(ModalDialogs &dialogs)
    : WeekEntryDialog("frmWeekEdit1", QStringLiteral("Today Editor"), dialogs)
{
    for (QPushButton *button : {changeButton(), cancelButton()})
        button->setAutoDefault(false);
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
