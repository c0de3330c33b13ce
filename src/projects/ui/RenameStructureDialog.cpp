#include "projects/ui/RenameStructureDialog.h"

#include <QLabel>

namespace veltrano {

RenameStructureDialog::RenameStructureDialog(QWidget *parent)
    : StructureDialog({"frmProjectRenamer", "Rename:", "dialog_rename", QSize(430, 102), "", "Rename", true},
                      parent)
{
}

void RenameStructureDialog::prepare()
{
    presetEdit(label1()->text());
}

} // namespace veltrano
