#include "projects/ui/FormNewProject.h"

namespace veltrano {

TfrmNewProject::TfrmNewProject(QWidget *parent)
    : StructureDialog({"frmNewProject", "New Project", "dialog_newproject", QSize(428, 100), "New Project name:",
                       "Create", true},
                      parent)
{
}

void TfrmNewProject::FormShow(const QString &suggestedName)
{
    presetEdit(suggestedName);
}

} // namespace veltrano
