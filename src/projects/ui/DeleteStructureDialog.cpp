#include "projects/ui/DeleteStructureDialog.h"

namespace veltrano {

DeleteStructureDialog::DeleteStructureDialog()
    : StructureDialog({"frmProjectDelete", "Delete Structure:", "dialog_delete", QSize(430, 102),
                       "Please, confirm deleting structure:", "Delete", false})
{
}

} // namespace veltrano
