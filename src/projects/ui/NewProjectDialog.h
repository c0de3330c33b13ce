#pragma once
#include "projects/ui/StructureDialog.h"

namespace veltrano {

// "New Project": the name of a project to create in the group folder.
class NewProjectDialog final : public StructureDialog {
    Q_OBJECT
public:
    explicit NewProjectDialog();
    // Each showing proposes the first free "ProjectN".
    void prepare(const QString &suggestedName);
};

} // namespace veltrano
