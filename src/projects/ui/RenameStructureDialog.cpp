#include "projects/ui/RenameStructureDialog.h"

#include <QLabel>

namespace veltrano {

RenameStructureDialog::RenameStructureDialog()
    : StructureDialog({"frmProjectRenamer", "Rename:", "dialog_rename", QSize(430, 102), "", "Rename", true})
{
}

void RenameStructureDialog::prepare()
{
    presetEdit(promptLabel()->text());
}

} // namespace veltrano
