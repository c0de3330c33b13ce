#include "projects/ui/NewSubStructureDialog.h"

#include <QLineEdit>

namespace veltrano {

NewSubStructureDialog::NewSubStructureDialog()
    : StructureDialog({"frmNewSub", "New Sub:", "dialog_newsub", QSize(430, 102), "New Structure name:", "Create",
                       true})
{
}

void NewSubStructureDialog::prepare()
{
    presetEdit(nameEdit()->text());
}

} // namespace veltrano
