// Where features built elsewhere join the main window's start-up, showing and
// shutdown. Each body is empty until its feature fills it; the places in the
// sequence are fixed by Main.cpp.
#include "app/Main.h"

namespace veltrano {

// Global hot keys Ctrl+F1 and Shift+F1 (tray and placement feature).
void TMainForm::RegisterHotKeys() {}
void TMainForm::UnregisterHotKeys() {}
// The tray balloon with ComposeGreeting's text (tray and placement feature).
void TMainForm::ShowGreetingBalloon() {}
// The Today page's caption and grid (Today view feature).
void TMainForm::RefreshTodayCaption() {}
void TMainForm::RefreshTodayFill() {}
// The project manager that lists the project folders into the tree.
void TMainForm::CreateProjectManager() {}
void TMainForm::ReleaseProjectManager() {}
void TMainForm::RebuildProjectTree() {}

} // namespace veltrano
