#include "common/ui/QtModalDialogs.h"

#include <QDialog>

namespace veltrano {

int QtModalDialogs::exec(QDialog &dialog)
{
    return dialog.exec();
}

} // namespace veltrano
