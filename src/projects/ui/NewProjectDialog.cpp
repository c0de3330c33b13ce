#include "projects/ui/NewProjectDialog.h"

namespace veltrano {

NewProjectDialog::NewProjectDialog(QWidget *parent)
    : StructureDialog({"frmNewProject", "New Project", "dialog_newproject", QSize(428, 100), "New Project name:",
                       "Create", true},
                      parent)
{
}

void NewProjectDialog::prepare(const QString &suggestedName)
{
    presetEdit(suggestedName);
}

} // namespace veltrano
