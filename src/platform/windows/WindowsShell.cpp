#include "platform/windows/WindowsShell.h"

#include "platform/qt/RunKeyEntries.h"
#include "platform/win32/Win32Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <shellapi.h>

namespace veltrano {
namespace {

QString systemFolder()
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? fromWide(folder, length) : QString();
}

// SEE_MASK_FLAG_NO_UI: a failure comes back to us instead of as a box of
// the shell's that nobody asked for; the verdict is known when the call
// returns.
bool shellExecute(const QString &file, const QString &parameters, const QString &folder, int show)
{
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = wide(file);
    info.lpParameters = parameters.isEmpty() ? nullptr : wide(parameters);
    info.lpDirectory = folder.isEmpty() ? nullptr : wide(folder);
    info.nShow = show;
    return ShellExecuteExW(&info) != FALSE;
}

// Profile strings are short; the key may hold several programs though.
QString runKey()
{
    std::wstring value(32767, L'\0');
    const DWORD length = GetProfileStringW(L"windows", L"run", L"", value.data(), DWORD(value.size()));
    return fromWide(value.c_str(), qsizetype(length));
}

// The key splits at spaces, so a path holding one goes in by its short name.
QString programForRunKey()
{
    const QString path = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    wchar_t shortPath[MAX_PATH];
    const DWORD length = GetShortPathNameW(wide(path), shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? fromWide(shortPath, length) : path;
}

} // namespace

namespace {

ToolLaunch program(const char16_t *file, const char16_t *parameters = u"")
{
    return {QString::fromUtf16(file), QString::fromUtf16(parameters), false, false};
}

// A control-panel applet through its host, started in the system folder and
// hidden: the applet's own window shows.
ToolLaunch applet(const char16_t *parameters)
{
    return {QStringLiteral("Rundll32.exe"), QString::fromUtf16(parameters), true, true};
}

} // namespace

QList<ToolLaunch> WindowsToolLaunches(DesktopTool tool)
{
    switch (tool) {
    case DesktopTool::TextEditor: return {program(u"NOTEPAD.EXE")};
    case DesktopTool::WordProcessor: return {program(u"WORDPAD.EXE"), program(u"write.exe")};
    case DesktopTool::Calculator: return {program(u"CALC.EXE")};
    case DesktopTool::Paint: return {program(u"MSPAINT.EXE")};
    case DesktopTool::Terminal: return {program(u"CMD.EXE")};
    case DesktopTool::ControlPanel:
        return {program(u"Rundll32.exe", u"shell32.dll, Control_RunDLL"), program(u"control.exe")};
    case DesktopTool::DateTimeSettings: return {applet(u"shell32.dll,Control_RunDLL TIMEDATE.CPL")};
    case DesktopTool::SoftwareManager: return {program(u"control.exe", u"appwiz.cpl")};
    case DesktopTool::SafeRemoval: return {applet(u"shell32.dll,Control_RunDLL hotplug.dll")};
    // NT Backup went with Windows XP; Backup and Restore took its place.
    case DesktopTool::Backup: return {program(u"ntbackup.exe"), program(u"sdclt.exe")};
    }
    return {};
}

bool WindowsShell::open(const QString &target)
{
    if (target.trimmed().isEmpty())
        return false;
    // A path that exists goes over with Windows' separators; anything else
    // (an address, a program's name) as it was typed.
    const QFileInfo typed(target);
    const QString file = typed.exists() ? QDir::toNativeSeparators(typed.absoluteFilePath()) : target;
    return shellExecute(file, {}, {}, SW_SHOWNORMAL);
}

bool WindowsShell::launch(const ToolLaunch &launch)
{
    QString folder;
    if (launch.inSystemFolder) {
        folder = systemFolder();
        if (folder.isEmpty())
            return false;
    }
    return shellExecute(launch.file, launch.parameters, folder, launch.hidden ? SW_HIDE : SW_SHOWNORMAL);
}

bool WindowsShell::startTool(DesktopTool tool)
{
    for (const ToolLaunch &way : WindowsToolLaunches(tool)) {
        if (launch(way))
            return true;
    }
    return false;
}

bool WindowsShell::setAutostart(bool enabled)
{
    const QString program = programForRunKey();
    if (enabled && !FitsRunKey(program))
        return false;
    const QString before = runKey();
    // Taken out by either of its names: the long one may have gone in by hand.
    const QString longName = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    const QString after = enabled ? WithRunEntry(before, program)
                                  : WithoutRunEntry(WithoutRunEntry(before, program), longName);
    if (after == before)
        return true;
    return WriteProfileStringW(L"windows", L"run", wide(after)) != FALSE;
}

} // namespace veltrano
