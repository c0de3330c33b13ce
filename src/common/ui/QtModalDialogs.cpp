#include "common/ui/QtModalDialogs.h"

#include <QDialog>

namespace veltrano {

void QtModalDialogs::open(QDialog &dialog, Done done)
{
    if (dialog.isVisible()) {
        dialog.raise();
        dialog.activateWindow();
        return;
    }
    if (done)
        QObject::connect(&dialog, &QDialog::finished, &dialog, std::move(done), Qt::SingleShotConnection);
    // Application-modal as before, shown without a loop of its own.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

} // namespace veltrano
