#pragma once
#include <QDialog>

namespace veltrano {

// A small dialog of a fixed client size, placed in the middle of the desktop
// every time it is shown. Created once, shown and hidden until the end.
class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(const char *name, const QString &caption, QSize clientSize);

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace veltrano
