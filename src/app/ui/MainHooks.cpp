// Where features built elsewhere join the main window's start-up, showing and
// shutdown. Each body is empty until its feature fills it; the places in the
// sequence are fixed by Main.cpp.
#include "app/ui/Main.h"

namespace veltrano {

// The Today page's caption and grid (Today view feature).
void TMainForm::RefreshTodayCaption() {}
void TMainForm::RefreshTodayFill() {}
// The project manager that lists the project folders into the tree.
void TMainForm::CreateProjectManager() {}
void TMainForm::ReleaseProjectManager() {}
void TMainForm::RebuildProjectTree() {}

} // namespace veltrano
