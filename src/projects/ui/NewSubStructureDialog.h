#pragma once
#include "projects/ui/StructureDialog.h"

namespace veltrano {

// "New Sub:": the name of a structure to create inside the selected one. The
// name typed last time stays, for making several alike.
class NewSubStructureDialog final : public StructureDialog {
    Q_OBJECT
public:
    explicit NewSubStructureDialog();
    void prepare();
};

} // namespace veltrano
