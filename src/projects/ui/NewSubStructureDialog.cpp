#include "projects/ui/NewSubStructureDialog.h"

#include <QLineEdit>

namespace veltrano {

NewSubStructureDialog::NewSubStructureDialog(QWidget *parent)
    : StructureDialog({"frmNewSub", "New Sub:", "dialog_newsub", QSize(430, 102), "New Structure name:", "Create",
                       true},
                      parent)
{
}

void NewSubStructureDialog::prepare()
{
    presetEdit(edit1()->text());
}

} // namespace veltrano
