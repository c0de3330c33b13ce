#pragma once
#include <QString>
#include <functional>

namespace veltrano {

// Desktop tools the program can start; each maps to the first one found of a
// short list on the desktop at hand.
enum class DesktopTool {
    TextEditor, WordProcessor, Calculator, Paint, Terminal,
    ControlPanel, DateTimeSettings, SoftwareManager, SafeRemoval, Backup
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file, folder or URL with the desktop's default handler, or starts a
    // bare program name found on PATH (ignoring case), detached and never through
    // a shell. False when nothing could be opened.
    virtual bool open(const QString &target) = 0;
    // Opens like open() and tells of any failure through `failed`, once: at
    // once when nothing could be started, or later, on this thread, when the
    // desktop's opener gives up (no browser installed, no program for the
    // file). Our own end does not stop an opener still running.
    virtual void openWatched(const QString &target, std::function<void()> failed)
    {
        if (!open(target) && failed)
            failed();
    }
    // False when the desktop offers no such tool.
    virtual bool startTool(DesktopTool tool) = 0;
    // Adds the program to, or removes it from, the desktop's autostart list.
    virtual bool setAutostart(bool enabled) = 0;
};

} // namespace veltrano
