#pragma once
// Which program of the desktop at hand stands for each tool: the first found
// of a short list, so the same command works on GNOME, KDE, Xfce, MATE and
// the rest.
#include "platform/Shell.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace veltrano {

struct ToolCommand {
    QString program;
    QStringList arguments;
    bool operator==(const ToolCommand &) const = default;
};

// Where the desktop keeps its programs and settings: PATH and the XDG base
// folders, taken from the environment or given by a test.
struct DesktopEnvironment {
    QString path;
    QString configHome;
    QStringList configDirs;
    QString dataHome;
    QStringList dataDirs;
    QStringList desktops; // XDG_CURRENT_DESKTOP, lower case
    static DesktopEnvironment current();
};

// The programs that may stand for `tool`, most wanted first.
QList<ToolCommand> DesktopToolCandidates(DesktopTool tool);

// The command of the user's default application for `mimeType`
// (mimeapps.list), when that application is installed and its program found.
std::optional<ToolCommand> DefaultApplicationCommand(const QString &mimeType, const DesktopEnvironment &env);

// The program to start for `tool`, its full path resolved: for the text
// editor the user's own choice for plain text first, then the list.
std::optional<ToolCommand> FindDesktopTool(DesktopTool tool, const DesktopEnvironment &env);

// The tool a Windows program name typed into the console stands for
// ("notepad", "CALC.EXE", "ntbackup.exe"...), letter case ignored.
std::optional<DesktopTool> WindowsToolNamed(const QString &name);

} // namespace veltrano
