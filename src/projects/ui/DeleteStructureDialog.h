#pragma once
#include "projects/ui/StructureDialog.h"

namespace veltrano {

// "Delete Structure:": asks before a structure goes with everything in it;
// `Label2` shows its path.
class DeleteStructureDialog final : public StructureDialog {
    Q_OBJECT
public:
    explicit DeleteStructureDialog();
    using StructureDialog::pathLabel;
};

} // namespace veltrano
