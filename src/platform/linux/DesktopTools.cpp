#include "platform/linux/DesktopTools.h"

#include "platform/linux/DesktopEntries.h"
#include "platform/linux/LinuxShell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace veltrano {
namespace {

QString environmentOr(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

QStringList folderList(const char *name, const QString &fallback)
{
    return environmentOr(name, fallback).split(u':', Qt::SkipEmptyParts);
}

QList<ToolCommand> commands(std::initializer_list<const char16_t *> programs)
{
    QList<ToolCommand> list;
    for (const char16_t *program : programs)
        list.append({QString::fromUtf16(program), {}});
    return list;
}

ToolCommand withArguments(const char16_t *program, std::initializer_list<const char16_t *> arguments)
{
    ToolCommand command{QString::fromUtf16(program), {}};
    for (const char16_t *argument : arguments)
        command.arguments << QString::fromUtf16(argument);
    return command;
}

// mimeapps.list files in the order the XDG rules give them weight.
QStringList mimeAppsLists(const DesktopEnvironment &env)
{
    QStringList folders{env.configHome};
    folders += env.configDirs;
    folders << env.dataHome + QStringLiteral("/applications");
    for (const QString &dir : env.dataDirs)
        folders << dir + QStringLiteral("/applications");
    QStringList files;
    for (const QString &folder : folders) {
        for (const QString &desktop : env.desktops)
            files << folder + u'/' + desktop + QStringLiteral("-mimeapps.list");
        files << folder + QStringLiteral("/mimeapps.list");
    }
    return files;
}

std::optional<QByteArray> readSmallFile(const QString &path)
{
    QFile file(path);
    // A key file is a few kilobytes; anything far larger is not one of ours to read.
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024)
        return std::nullopt;
    return file.readAll();
}

// "kde4-kate.desktop" may live as kde4/kate.desktop.
std::optional<QByteArray> readDesktopEntry(const QString &id, const DesktopEnvironment &env)
{
    QStringList folders{env.dataHome};
    folders += env.dataDirs;
    for (const QString &dir : folders) {
        const QString applications = dir + QStringLiteral("/applications/");
        QString nested = id;
        while (true) {
            if (auto content = readSmallFile(applications + nested))
                return content;
            const qsizetype dash = nested.indexOf(u'-');
            if (dash < 0)
                break;
            nested[dash] = u'/';
        }
    }
    return std::nullopt;
}

QString resolveProgram(const QString &program, const QString &pathVariable)
{
    if (!program.startsWith(u'/'))
        return FindProgramOnPath(program, pathVariable);
    const QFileInfo info(program);
    return info.isFile() && info.isExecutable() ? program : QString();
}

std::optional<ToolCommand> entryCommand(const QString &id, const DesktopEnvironment &env)
{
    // An id names a file inside the applications folders, never a path.
    if (id.isEmpty() || id.contains(u'/'))
        return std::nullopt;
    const std::optional<QByteArray> entry = readDesktopEntry(id, env);
    if (!entry)
        return std::nullopt;
    const QString group = QStringLiteral("Desktop Entry");
    if (KeyFileValue(*entry, group, QStringLiteral("Hidden")) == QStringLiteral("true"))
        return std::nullopt;
    QStringList arguments = ExecArguments(KeyFileValue(*entry, group, QStringLiteral("Exec")).value_or(QString()));
    if (arguments.isEmpty())
        return std::nullopt;
    const QString program = resolveProgram(arguments.takeFirst(), env.path);
    if (program.isEmpty())
        return std::nullopt;
    return ToolCommand{program, arguments};
}

} // namespace

DesktopEnvironment DesktopEnvironment::current()
{
    const QString home = QDir::homePath();
    DesktopEnvironment env;
    env.path = qEnvironmentVariable("PATH");
    env.configHome = environmentOr("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    env.configDirs = folderList("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    env.dataHome = environmentOr("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    env.dataDirs = folderList("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    env.desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(u':', Qt::SkipEmptyParts);
    return env;
}

QList<ToolCommand> DesktopToolCandidates(DesktopTool tool)
{
    switch (tool) {
    case DesktopTool::TextEditor:
        return commands({u"gnome-text-editor", u"mousepad", u"kate", u"gedit", u"xed", u"pluma", u"kwrite",
                         u"featherpad", u"leafpad"});
    case DesktopTool::WordProcessor:
        return {{QStringLiteral("lowriter"), {}}, withArguments(u"libreoffice", {u"--writer"}),
                {QStringLiteral("abiword"), {}}, {QStringLiteral("calligrawords"), {}}};
    case DesktopTool::Calculator:
        return commands({u"gnome-calculator", u"kcalc", u"galculator", u"mate-calc", u"qalculate-gtk",
                         u"speedcrunch", u"xcalc"});
    case DesktopTool::Paint:
        return commands({u"kolourpaint", u"pinta", u"drawing", u"mtpaint", u"gimp"});
    case DesktopTool::Terminal:
        return commands({u"x-terminal-emulator", u"gnome-terminal", u"konsole", u"xfce4-terminal",
                         u"mate-terminal", u"lxterminal", u"qterminal", u"tilix", u"terminator", u"alacritty",
                         u"kitty", u"xterm"});
    case DesktopTool::ControlPanel:
        return commands({u"gnome-control-center", u"systemsettings", u"systemsettings5", u"xfce4-settings-manager",
                         u"mate-control-center", u"cinnamon-settings", u"lxqt-config"});
    case DesktopTool::DateTimeSettings:
        return {withArguments(u"gnome-control-center", {u"datetime"}), withArguments(u"systemsettings", {u"kcm_clock"}),
                withArguments(u"systemsettings5", {u"clock"}), withArguments(u"cinnamon-settings", {u"calendar"}),
                {QStringLiteral("time-admin"), {}}};
    case DesktopTool::SoftwareManager:
        return commands({u"gnome-software", u"plasma-discover", u"mintinstall", u"pamac-manager", u"synaptic-pkexec"});
    case DesktopTool::SafeRemoval:
        return commands({u"gnome-disks", u"partitionmanager"});
    case DesktopTool::Backup:
        return commands({u"deja-dup", u"backintime-qt", u"kbackup"});
    }
    return {};
}

std::optional<ToolCommand> DefaultApplicationCommand(const QString &mimeType, const DesktopEnvironment &env)
{
    const QString group = QStringLiteral("Default Applications");
    for (const QString &list : mimeAppsLists(env)) {
        const std::optional<QByteArray> content = readSmallFile(list);
        if (!content)
            continue;
        const QString ids = KeyFileValue(*content, group, mimeType).value_or(QString());
        for (const QString &id : ids.split(u';', Qt::SkipEmptyParts)) {
            if (auto command = entryCommand(id.trimmed(), env))
                return command;
        }
    }
    return std::nullopt;
}

std::optional<ToolCommand> FindDesktopTool(DesktopTool tool, const DesktopEnvironment &env)
{
    if (tool == DesktopTool::TextEditor) {
        if (auto chosen = DefaultApplicationCommand(QStringLiteral("text/plain"), env))
            return chosen;
    }
    for (const ToolCommand &candidate : DesktopToolCandidates(tool)) {
        const QString program = FindProgramOnPath(candidate.program, env.path);
        if (!program.isEmpty())
            return ToolCommand{program, candidate.arguments};
    }
    return std::nullopt;
}

std::optional<DesktopTool> WindowsToolNamed(const QString &name)
{
    static const QHash<QString, DesktopTool> tools{
        {QStringLiteral("NOTEPAD"), DesktopTool::TextEditor},  {QStringLiteral("WORDPAD"), DesktopTool::WordProcessor},
        {QStringLiteral("CALC"), DesktopTool::Calculator},     {QStringLiteral("MSPAINT"), DesktopTool::Paint},
        {QStringLiteral("CMD"), DesktopTool::Terminal},        {QStringLiteral("CONTROL"), DesktopTool::ControlPanel},
        {QStringLiteral("NTBACKUP"), DesktopTool::Backup}};
    QString key = name.toUpper();
    if (key.endsWith(QStringLiteral(".EXE")))
        key.chop(4);
    const auto found = tools.constFind(key);
    if (found == tools.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace veltrano
