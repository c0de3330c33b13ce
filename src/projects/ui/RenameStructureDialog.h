#pragma once
#include "projects/ui/StructureDialog.h"

namespace veltrano {

// "Rename:": `Label1` holds the structure's name, `Edit1` its new one.
class RenameStructureDialog final : public StructureDialog {
    Q_OBJECT
public:
    explicit RenameStructureDialog();
    // The edit starts from the current name.
    void prepare();
};

} // namespace veltrano
