#pragma once

class QDialog;

namespace veltrano {

// Every modal dialog of ours (the About box, the options dialog, the editors
// and pickers to come) is run through here, so a test can answer it without
// entering a nested event loop that nothing would ever leave.
class ModalDialogs {
public:
    virtual ~ModalDialogs() = default;
    // The dialog's result (QDialog::Accepted, QDialog::Rejected, or its own).
    virtual int exec(QDialog &dialog) = 0;
};

} // namespace veltrano
