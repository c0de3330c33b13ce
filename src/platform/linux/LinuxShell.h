#pragma once
#include "platform/Shell.h"

#include <QObject>

namespace veltrano {

// The full path of the executable called `name` in one of the folders of
// `pathVariable` (colon-separated), letter case ignored; empty when none.
QString FindProgramOnPath(const QString &name, const QString &pathVariable);

// Opens through the desktop's opener (xdg-open; xdg-email for mail), whose
// verdict comes back when it ends. Desktop tools and autostart come later and
// refuse for now.
class LinuxShell final : public Shell {
public:
    bool open(const QString &target) override;
    void openWatched(const QString &target, std::function<void()> failed) override;
    bool startTool(DesktopTool) override { return false; }
    bool setAutostart(bool) override { return false; }

private:
    bool launch(const QString &target, std::function<void()> failed);
    bool openWithOpener(const QString &opener, const QString &argument, std::function<void()> failed);

    QObject m_openers; // the openers still running
};

} // namespace veltrano
