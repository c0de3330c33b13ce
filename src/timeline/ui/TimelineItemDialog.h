#pragma once
// "Edit Item": the Timeline editor's dialog for one hour's entry.
#include "timeline/ui/WeekEntryDialog.h"

namespace veltrano {

// "Change" is the default button and "Cancel" the cancel button.
class TimelineItemDialog final : public WeekEntryDialog {
    Q_OBJECT
public:
    explicit TimelineItemDialog(ModalDialogs &dialogs);
};

} // namespace veltrano
