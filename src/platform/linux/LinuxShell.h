#pragma once
#include "platform/Shell.h"

#include <QUrl>
#include <functional>

namespace veltrano {

// The full path of the executable called `name` in one of the folders of
// `pathVariable` (colon-separated), letter case ignored; empty when none.
QString FindProgramOnPath(const QString &name, const QString &pathVariable);

// The existing file or folder `path` names (relative ones under `base`), each
// part matched ignoring letter case when it is not there as written: the
// console upper-cases what it opens. Empty when there is none.
QString FindPathIgnoringCase(const QString &path, const QString &base);

// Opens through the desktop's default handlers, starts programs found on PATH
// and the desktop's own tools, and keeps the program's autostart entry.
// Nothing is ever handed to a shell: programs get their arguments as a list.
class LinuxShell final : public Shell {
public:
    using UrlOpener = std::function<bool(const QUrl &)>;
    // `openUrl` hands a file, folder or URL to its default handler.
    explicit LinuxShell(UrlOpener openUrl = {});
    bool open(const QString &target) override;
    bool startTool(DesktopTool tool) override;
    bool setAutostart(bool enabled) override;

private:
    UrlOpener m_openUrl;
};

} // namespace veltrano
