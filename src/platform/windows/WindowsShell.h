#pragma once
#include "platform/Shell.h"

#include <QList>

namespace veltrano {

// One way of starting a tool: ShellExecute of `file` with `parameters`, in
// the system folder when `inSystemFolder`, shown or hidden (a control-panel
// applet's host stays hidden, the applet's window shows).
struct ToolLaunch {
    QString file;
    QString parameters;
    bool inSystemFolder = false;
    bool hidden = false;
};

// The ways to start `tool`, tried in order until one starts: the tool's
// classic name first, then the one newer Windows versions use.
QList<ToolLaunch> WindowsToolLaunches(DesktopTool tool);

// ShellExecute for files, folders, addresses and programs (which Windows
// finds on PATH and in App Paths); the tools by their Windows names; the
// autorun entry in win.ini through the profile functions.
class WindowsShell final : public Shell {
public:
    bool open(const QString &target) override;
    bool startTool(DesktopTool tool) override;
    bool setAutostart(bool enabled) override;

private:
    bool launch(const ToolLaunch &launch);
};

} // namespace veltrano
