#include "projects/ui/FormNewSub.h"

#include <QLineEdit>

namespace veltrano {

TfrmNewSub::TfrmNewSub(QWidget *parent)
    : StructureDialog({"frmNewSub", "New Sub:", "dialog_newsub", QSize(430, 102), "New Structure name:", "Create",
                       true},
                      parent)
{
}

void TfrmNewSub::FormShow()
{
    presetEdit(edit1()->text());
}

} // namespace veltrano
