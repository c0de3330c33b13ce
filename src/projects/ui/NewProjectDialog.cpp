#include "projects/ui/NewProjectDialog.h"

namespace veltrano {

NewProjectDialog::NewProjectDialog()
    : StructureDialog({"frmNewProject", "New Project", "dialog_newproject", QSize(428, 100), "New Project name:",
                       "Create", true})
{
}

void NewProjectDialog::prepare(const QString &suggestedName)
{
    presetEdit(suggestedName);
}

} // namespace veltrano
