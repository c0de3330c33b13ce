#pragma once
#include "platform/Shell.h"

namespace veltrano {

// The full path of the executable called `name` in one of the folders of
// `pathVariable` (colon-separated), letter case ignored; empty when none.
QString FindProgramOnPath(const QString &name, const QString &pathVariable);

// Opens through the desktop's default handlers (xdg-open and friends). Desktop
// tools and autostart come later and refuse for now.
class LinuxShell final : public Shell {
public:
    bool open(const QString &target) override;
    bool startTool(DesktopTool) override { return false; }
    bool setAutostart(bool) override { return false; }
};

} // namespace veltrano
