#pragma once
#include "platform/Shell.h"

#include <QObject>
#include <QUrl>
#include <functional>

namespace veltrano {

// The full path of the executable called `name` in one of the folders of
// `pathVariable` (colon-separated): the name as written anywhere on PATH
// first, then one that differs only in letter case (a name typed the
// Windows way, "Firefox"); empty when none.
QString FindProgramOnPath(const QString &name, const QString &pathVariable);

// The existing file, folder or link `path` names exactly (relative ones
// under `base`), made absolute; empty when there is none.
QString FindTypedPath(const QString &path, const QString &base);

// Opens files, folders and addresses through the desktop's opener (xdg-open;
// xdg-email for mail), whose verdict comes back when it ends; starts programs
// found on PATH and the desktop's own tools; keeps the program's autostart
// entry. Nothing is ever handed to a shell: programs get their arguments as a
// list.
class LinuxShell final : public Shell {
public:
    using UrlOpener = std::function<bool(const QUrl &)>;
    // `openUrl`, when given, stands in for the desktop's opener.
    explicit LinuxShell(UrlOpener openUrl = {});
    bool open(const QString &target) override;
    void openWatched(const QString &target, std::function<void()> failed) override;
    bool startTool(DesktopTool tool) override;
    bool setAutostart(bool enabled) override;

private:
    bool launch(const QString &target, std::function<void()> failed);
    bool openUrl(const QUrl &url, std::function<void()> failed);
    bool openWithOpener(const QString &opener, const QString &argument, std::function<void()> failed);

    UrlOpener m_openUrl;
    QObject m_openers; // the openers still running
};

} // namespace veltrano
