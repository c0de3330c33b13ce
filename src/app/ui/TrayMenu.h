#pragma once
#include <QMenu>

namespace veltrano {

class MainWindow;

// Tray_Menu. Commands the main window has are its very actions, so shortcut,
// caption and reaction stay one; the tray's own "Main..." and "Hide" are
// returned for the caller to connect.
struct TrayMenuItems {
    QMenu *menu = nullptr;
    QAction *main = nullptr; // "Main...", Ctrl+M
    QAction *hide = nullptr; // "Hide"
};

TrayMenuItems BuildTrayMenu(MainWindow &mainForm);

} // namespace veltrano
