#pragma once
// "Today Editor": the Today view's dialog for one hour's entry.
#include "timeline/ui/WeekEntryDialog.h"

namespace veltrano {

// Neither button has a default or cancel role; the dialog itself answers
// Enter and Escape, wherever the focus is.
class TfrmWeekEdit1 final : public WeekEntryDialog {
    Q_OBJECT
public:
    explicit TfrmWeekEdit1(ModalDialogs &dialogs);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormKeyPress(QKeyEvent *event);
};

} // namespace veltrano
