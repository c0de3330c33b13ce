#include "projects/ui/UnitProjectRenamer.h"

#include <QLabel>

namespace veltrano {

TfrmProjectRenamer::TfrmProjectRenamer(QWidget *parent)
    : StructureDialog({"frmProjectRenamer", "Rename:", "dialog_rename", QSize(430, 102), "", "Rename", true},
                      parent)
{
}

void TfrmProjectRenamer::FormShow()
{
    presetEdit(label1()->text());
}

} // namespace veltrano
