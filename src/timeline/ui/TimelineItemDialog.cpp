#include "timeline/ui/TimelineItemDialog.h"

namespace veltrano {

TimelineItemDialog::TimelineItemDialog(ModalDialogs &dialogs)
    : WeekEntryDialog("frmWeekEdit", QStringLiteral("Edit Item"), EnterGoesTo::ChangeButton, dialogs)
{
}

} // namespace veltrano
