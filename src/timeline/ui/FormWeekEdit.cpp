#include "timeline/ui/FormWeekEdit.h"

namespace veltrano {

TfrmWeekEdit::TfrmWeekEdit(ModalDialogs &dialogs)
    : WeekEntryDialog("frmWeekEdit", QStringLiteral("Edit Item"), EnterGoesTo::ChangeButton, dialogs)
{
}

} // namespace veltrano
