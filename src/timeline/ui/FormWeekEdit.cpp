#include "timeline/ui/FormWeekEdit.h"

#include <QPushButton>

namespace veltrano {

TfrmWeekEdit::TfrmWeekEdit(ModalDialogs &dialogs)
    : WeekEntryDialog("frmWeekEdit", QStringLiteral("Edit Item"), dialogs)
{
    changeButton()->setDefault(true);
}

} // namespace veltrano
