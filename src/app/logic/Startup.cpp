#include "app/logic/Startup.h"

#include "common/logic/MessageBoxes.h"
#include "common/logic/SettingsStore.h"
#include "platform/DataLocations.h"
#include "platform/FileSystem.h"
#include "platform/RegionalFormats.h"
#include "platform/SingleInstance.h"
#include "projects/logic/ProjectStore.h"
#include "timeline/logic/WeekStore.h"

namespace veltrano {
namespace {

const QString kApplication = QStringLiteral("Application");
const QString kMainForm = QStringLiteral("MainForm");
const QString kToolBars = QStringLiteral("ToolBars");

// What a folder of the program's data holds; any one of them makes it ours.
bool holdsOurData(const FileSystem &files, const QString &folder)
{
    return files.exists(folder + QStringLiteral("PM.INI")) || files.exists(folder + QStringLiteral("list.todo"))
           || files.isFolder(folder + QString::fromUtf16(kGroupFolderName))
           || files.isFolder(folder + QString::fromUtf16(kWeekFolderName));
}

// bin/ of a prefix that holds our shared files (a package, `cmake --install`),
// or a file the package manager put there.
bool isInstalledIntoTheSystem(const DataLocations &locations, const FileSystem &files, const QString &folder)
{
    const QString binSuffix = QStringLiteral("/bin/");
    if (folder.endsWith(binSuffix)
        && files.isFolder(folder.left(folder.size() - binSuffix.size()) + QStringLiteral("/share/veltrano")))
        return true;
    return locations.isPackaged(locations.executablePath());
}

// The project folders hold the notes, each replaced at every keystroke. Links
// are not followed: they may lead out of the data folder, or round in a loop.
void removeLeftoversBelow(FileSystem &files, const QString &folder)
{
    files.removeReplaceLeftovers(folder);
    for (const FolderEntry &entry : files.listFolder(folder)) {
        if (entry.kind == FolderEntry::Kind::Folder)
            removeLeftoversBelow(files, folder + entry.name + u'/');
    }
}

class BothMarkers final : public InstanceMarker {
public:
    BothMarkers(std::unique_ptr<InstanceMarker> user, std::unique_ptr<InstanceMarker> folder)
        : m_user(std::move(user)), m_folder(std::move(folder))
    {
        // A later start calls this copy forward through the user's marker.
        connect(m_user.get(), &InstanceMarker::activationRequested, this, &InstanceMarker::activationRequested);
    }

private:
    std::unique_ptr<InstanceMarker> m_user;
    std::unique_ptr<InstanceMarker> m_folder;
};

} // namespace

QString ResolveDataFolder(const QString &executablePath)
{
    const qsizetype slash = qMax(executablePath.lastIndexOf(u'/'), executablePath.lastIndexOf(u'\\'));
    return executablePath.left(slash + 1);
}

DataFolderChoice ChooseDataFolder(const DataLocations &locations, const FileSystem &files)
{
    const QString folder = ResolveDataFolder(locations.executablePath());
    if (isInstalledIntoTheSystem(locations, files, folder))
        return {locations.perUserDataFolder(), true};
    // A portable copy whose data cannot be written is still the user's data:
    // an empty per-user folder in its place would look as if they were lost.
    const bool writable = locations.isFolderWritable(folder);
    if (writable || holdsOurData(files, folder))
        return {folder, writable};
    return {locations.perUserDataFolder(), true};
}

QString OpenDataFolder(const DataLocations &locations, FileSystem &files, MessageBoxes &messages)
{
    const DataFolderChoice choice = ChooseDataFolder(locations, files);
    PrepareDataFolder(files, choice.path);
    if (!choice.writable)
        messages.notice(ReadOnlyDataFolderNotice(choice.path));
    return choice.path;
}

QString ReadOnlyDataFolderNotice(const QString &dataFolder)
{
    return QStringLiteral("The data folder %1 cannot be written to: changes made now cannot be saved there.")
        .arg(dataFolder);
}

void PrepareDataFolder(FileSystem &files, const QString &dataFolder)
{
    files.makePath(dataFolder);
    files.removeReplaceLeftovers(dataFolder);
    files.removeReplaceLeftovers(dataFolder + QString::fromUtf16(kWeekFolderName));
    removeLeftoversBelow(files, dataFolder + QString::fromUtf16(kGroupFolderName) + u'/');
    if (files.exists(dataFolder + QStringLiteral("PM.INI")))
        return;
    // Once the program has run, a group or week folder that is missing was
    // removed by the user: that gets the tree's and the timeline's messages
    // rather than an empty folder made behind their back.
    files.makePath(dataFolder + QString::fromUtf16(kGroupFolderName));
    files.makePath(dataFolder + QString::fromUtf16(kWeekFolderName));
}

std::unique_ptr<InstanceMarker> AcquireSingleInstance(SingleInstance &instance, const QString &dataFolder)
{
    // The user's marker alone lives wherever the session keeps its runtime
    // files: a copy started with another runtime folder would pass it and
    // write the same data.
    auto user = instance.acquire(QString::fromUtf16(kInstanceName));
    if (!user)
        return nullptr;
    auto folder = instance.acquireFolder(dataFolder);
    if (!folder)
        return nullptr;
    return std::make_unique<BothMarkers>(std::move(user), std::move(folder));
}

bool CallRunningCopyForward(SingleInstance &instance)
{
    return instance.activateHolder(QString::fromUtf16(kInstanceName));
}

StartupValues ReadStartupSettings(const SettingsStore &settings, QSize screenArea)
{
    StartupValues v;
    v.flags.hidden = settings.readBool(kApplication, QStringLiteral("Hiden"), false);
    v.flags.savePosition = settings.readBool(kMainForm, QStringLiteral("SaveWinPos"), true);
    v.flags.saveSize = settings.readBool(kMainForm, QStringLiteral("SaveWinSize"), true);
    if (v.flags.saveSize) {
        const int height = settings.readInteger(kMainForm, QStringLiteral("Hei"), 590);
        const int width = settings.readInteger(kMainForm, QStringLiteral("Wid"), 780);
        v.size = QSize(width, height);
        // A user can make the window no larger than the desktop; anything
        // bigger came from elsewhere and would cost memory by the gigabyte.
        if (screenArea.isValid())
            v.size = v.size.boundedTo(screenArea);
    } else {
        v.size = QSize(450, 640);
    }
    if (v.flags.savePosition) {
        const int left = settings.readInteger(kMainForm, QStringLiteral("Left"), 0);
        const int top = settings.readInteger(kMainForm, QStringLiteral("Top"), 0);
        v.position = QPoint(left, top);
    }
    v.bars.main = settings.readBool(kToolBars, QStringLiteral("Main"), true);
    v.bars.bottom = settings.readBool(kToolBars, QStringLiteral("Bottom"), true);
    v.bars.status = settings.readBool(kToolBars, QStringLiteral("Status"), true);
    return v;
}

QString ComposeGreeting(const QDateTime &now, const RegionalFormats &formats)
{
    // Line feed, then carriage return: the greeting's text is compared whole
    // (tests, desktop notifications that keep it), so the pair keeps its order.
    const QString lineBreak = QStringLiteral("\n\r");
    return QStringLiteral("Good time of the day! Today is:") + lineBreak + formats.shortDate(now.date())
           + lineBreak + formats.longTime(now.time());
}

bool WriteShutdownSettings(SettingsStore &settings, const ShutdownValues &values)
{
    return settings.writeBool(kApplication, QStringLiteral("Hiden"), values.hidden)
           && settings.writeInteger(kMainForm, QStringLiteral("Left"), values.position.x())
           && settings.writeInteger(kMainForm, QStringLiteral("Top"), values.position.y())
           && settings.writeInteger(kMainForm, QStringLiteral("Wid"), values.size.width())
           && settings.writeInteger(kMainForm, QStringLiteral("Hei"), values.size.height());
}

} // namespace veltrano
