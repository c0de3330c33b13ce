#pragma once
#include <QDateTime>
#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

namespace veltrano {

class DataLocations;
class FileSystem;
class InstanceMarker;
class MessageBoxes;
class RegionalFormats;
class SettingsStore;
class SingleInstance;

inline constexpr auto kInstanceName = u"Veltrano 1.1";
inline constexpr auto kMainCaption = u"Veltrano 1.1";
inline constexpr auto kSecondCopyMessage = u"Sorry. Vudo rozure Veltrano 1.1 already loaded.";
inline constexpr QSize kMainMinimumSize{600, 400};

// The start-up flags the main window keeps.
struct StartupFlags {
    bool hidden = false;       // "Application"/"Hiden"; no behaviour depends on it
    bool savePosition = true;  // "MainForm"/"SaveWinPos"
    bool saveSize = true;      // "MainForm"/"SaveWinSize"
};

struct BarFlags {
    bool main = true;
    bool bottom = true;
    bool status = true;
};

struct StartupValues {
    StartupFlags flags;
    QSize size;                     // outer size before the minimum applies
    std::optional<QPoint> position; // nothing: centre on the desktop
    BarFlags bars;
};

struct DataFolderChoice {
    QString path;          // with its trailing separator
    bool writable = true;  // false: a read-only copy that holds the user's data
};

struct ShutdownValues {
    bool hidden = false;
    QPoint position; // outer left and top
    QSize size;      // outer width and height
};

// The executable's folder, with its trailing separator.
QString ResolveDataFolder(const QString &executablePath);
// The executable's folder when it holds the program's data (even where they
// cannot be written: a copy on a read-only medium) or when the program may
// write there; otherwise, and always for a program installed into the system,
// the per-user data location.
DataFolderChoice ChooseDataFolder(const DataLocations &locations, const FileSystem &files);
// The data folder of this start, chosen and set up; a folder that cannot be
// written is told about once, here.
QString OpenDataFolder(const DataLocations &locations, FileSystem &files, MessageBoxes &messages);
QString ReadOnlyDataFolderNotice(const QString &dataFolder);
// A first start (no settings file yet) sets the data folder up the way a copy
// of the program ships: with the empty folders the project tree and the day
// files live in. Later starts leave the folder as the user keeps it. Every
// start clears away the temporary files of writes a crash or kill cut short.
void PrepareDataFolder(FileSystem &files, const QString &dataFolder);
// The marker when this process is the only running copy of this user and the
// only one on `dataFolder` (ChooseDataFolder's); null otherwise.
std::unique_ptr<InstanceMarker> AcquireSingleInstance(SingleInstance &instance, const QString &dataFolder);
// Asks the running copy to show its main window; false when it cannot be reached.
bool CallRunningCopyForward(SingleInstance &instance);
// A stored size is bounded by `screenArea` (the desktop's free area; nothing
// bounds it when that is empty).
StartupValues ReadStartupSettings(const SettingsStore &settings, QSize screenArea = {});
QString ComposeGreeting(const QDateTime &now, const RegionalFormats &formats);
// Writes the main window's own keys in shutdown order; stops at the first
// refused write.
bool WriteShutdownSettings(SettingsStore &settings, const ShutdownValues &values);

} // namespace veltrano
