#pragma once
// "Today Editor": the Today view's dialog for one hour's entry.
#include "timeline/ui/WeekEntryDialog.h"

namespace veltrano {

// Neither button has a default or cancel role; the dialog itself answers
// Enter and Escape, wherever the focus is.
class TodayItemDialog final : public WeekEntryDialog {
    Q_OBJECT
public:
    explicit TodayItemDialog(ModalDialogs &dialogs);

protected:
    void keyPressEvent(QKeyEvent *event) override;

};

} // namespace veltrano
