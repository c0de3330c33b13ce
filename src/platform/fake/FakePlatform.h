#pragma once
#include "platform/CdTray.h"
#include "platform/Clock.h"
#include "platform/DataLocations.h"
#include "platform/HotKeys.h"
#include "platform/Notifications.h"
#include "platform/Platform.h"
#include "platform/Power.h"
#include "platform/RegionalFormats.h"
#include "platform/Shell.h"
#include "platform/SingleInstance.h"
#include "platform/Sound.h"
#include "platform/Termination.h"
#include "platform/Trash.h"
#include "platform/Tray.h"
#include "platform/qt/QtFileSystem.h"
#include "platform/qt/Utf8SystemCodec.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <functional>
#include <QTemporaryDir>
#include <memory>
#include <utility>

namespace veltrano {

class FakeClock final : public Clock {
public:
    QDateTime current{QDate(2026, 12, 8), QTime(9, 30, 0)};
    QDateTime now() const override { return current; }
    void advanceSeconds(int seconds) { current = current.addSecs(seconds); }
};

class FakeDataLocations final : public DataLocations {
public:
    QString exePath = QStringLiteral("/opt/veltrano/veltrano");
    QSet<QString> readOnlyFolders;
    QString perUser = QStringLiteral("/home/user/.local/share/Veltrano/");
    QSet<QString> packaged;
    QString executablePath() const override { return exePath; }
    bool isFolderWritable(const QString &folder) const override { return !readOnlyFolders.contains(folder); }
    QString perUserDataFolder() const override { return perUser; }
    bool isPackaged(const QString &path) const override { return packaged.contains(path); }
};

// Short date dd.MM.yyyy and long time H:mm:ss, as a Russian desktop writes them.
class FakeRegionalFormats final : public RegionalFormats {
public:
    QString dateFormat = QStringLiteral("dd.MM.yyyy");
    QString timeFormat = QStringLiteral("H:mm:ss");
    QString shortDate(const QDate &date) const override { return date.toString(dateFormat); }
    QString longTime(const QTime &time) const override { return time.toString(timeFormat); }
};

// Markers held by name; a holder is called forward as a later start would,
// from the event loop.
class FakeSingleInstance final : public SingleInstance {
public:
    QMap<QString, InstanceMarker *> held;        // names
    QMap<QString, InstanceMarker *> heldFolders; // data folders
    std::unique_ptr<InstanceMarker> acquire(const QString &name) override;
    std::unique_ptr<InstanceMarker> acquireFolder(const QString &folder) override;
    bool activateHolder(const QString &name) override;
};

// Real files; writes can be made to fail as a full disk would.
class FakeFileSystem final : public QtFileSystem {
public:
    bool diskFull = false;
    int replaceCount = 0;
    QSet<QString> unreadable;  // files that exist but refuse to be read
    QSet<QString> mountPoints; // folders to take for mount points
    // Its counters and switches are the test's: everything runs on one thread.
    bool callableFromAnyThread() const override { return false; }
    IoStatus replaceFile(const QString &path, const QByteArray &bytes) override;
    std::optional<QByteArray> readFile(const QString &path, QString *reason = nullptr,
                                       qint64 maxBytes = kDefaultReadLimit) const override;
    bool isMountPoint(const QString &folder) const override
    {
        return mountPoints.contains(folder) || QtFileSystem::isMountPoint(folder);
    }
};

class FakeTermination final : public Termination {
    Q_OBJECT
public:
    using Termination::Termination;
    bool watching = false;
    void watch() override { watching = true; }
    void request() { emit terminationRequested(); }
};

class FakeHotKeys final : public HotKeys {
    Q_OBJECT
public:
    using HotKeys::HotKeys;
    QMap<int, Refusal> refuse; // id -> how its registration is refused
    QSet<int> registered;
    Refusal registerHotKey(int id, int key, int modifiers) override;
    void unregisterHotKey(int id) override { registered.remove(id); }
    void press(int id) { emit hotKeyPressed(id); }
};

// Opens what it is asked to (recording it) or fails as told; a watched open
// that succeeded can still fail later, as a desktop opener that finds no
// program for a file does, with giveUp().
class FakeShell final : public Shell {
public:
    bool succeeds = true;
    QStringList opened;
    QList<DesktopTool> tools;
    QList<bool> autostart;
    bool open(const QString &target) override { opened << target; return succeeds; }
    void openWatched(const QString &target, std::function<void()> failed) override
    {
        if (!open(target)) {
            if (failed)
                failed();
        } else if (failed) {
            m_watched << std::move(failed);
        }
    }
    // The opener gives up on everything opened (and watched) so far.
    void giveUp()
    {
        for (const auto &failed : std::exchange(m_watched, {}))
            failed();
    }
    bool startTool(DesktopTool tool) override { tools << tool; return succeeds; }
    bool setAutostart(bool enabled) override { autostart << enabled; return succeeds; }

private:
    QList<std::function<void()>> m_watched;
};

class FakePower final : public Power {
public:
    bool succeeds = false;
    int suspends = 0;
    bool suspend() override { ++suspends; return succeeds; }
};

// Moves on the mover's thread; `whileMoving`, when set, runs inside each move
// (a test holds it there, as a drive that hangs would).
class FakeCdTray final : public CdTray {
public:
    QStringList moves;
    std::function<void()> whileMoving;
    bool open() override { return move(QStringLiteral("open")); }
    bool close() override { return move(QStringLiteral("close")); }

private:
    bool move(const QString &what)
    {
        if (whileMoving)
            whileMoving();
        moves << what;
        return true;
    }
};

// Records each play; the test answers the last one with finish(), as the
// player would later from the event loop.
class FakeSound final : public Sound {
    Q_OBJECT
public:
    using Sound::Sound;
    QStringList played;
    void play(const QString &path) override { played << path; }
    void finish(bool ok)
    {
        if (played.isEmpty())
            return;
        if (ok)
            emit playing(played.last());
        else
            emit failed(played.last());
    }
};

class FakeTray final : public Tray {
    Q_OBJECT
public:
    using Tray::Tray;
    struct Balloon { QString title, text; int msecs; };
    bool available = true;
    bool shown = false;
    QString toolTip;
    int iconChanges = 0;
    QList<Balloon> balloons;
    bool isAvailable() const override { return available; }
    void show(const QIcon &, const QString &tip, QMenu *) override { shown = true; toolTip = tip; }
    void setIcon(const QIcon &) override { ++iconChanges; }
    void showBalloon(const QString &title, const QString &text, int msecs) override
    {
        balloons.append({title, text, msecs});
    }
    void doubleClick() { emit doubleClicked(); }
};

class FakeNotifications final : public Notifications {
public:
    struct Note { QString title, text; };
    QList<Note> notes;
    void notify(const QString &title, const QString &text) override { notes.append({title, text}); }
};

// Moves what it is given into a folder of its own (real files, so a test
// sees them gone from where they were), or refuses every move as told.
class FakeTrash final : public Trash {
public:
    QString refusal;     // the reason every move is refused with, when set
    QStringList trashed; // what was moved, in order
    IoStatus moveToTrash(const QString &path) override;
    // Where the moved things are; made on first use.
    QString bin();

private:
    std::unique_ptr<QTemporaryDir> m_bin;
};

class FakePlatform final : public Platform {
public:
    FakeClock clockFake;
    FakeDataLocations locationsFake;
    FakeFileSystem filesFake;
    Utf8SystemCodec codec{TextEncoding::Windows1251, false};
    FakeRegionalFormats formatsFake;
    FakeSingleInstance instanceFake;
    FakeTermination terminationFake;
    FakeHotKeys hotKeysFake;
    FakeShell shellFake;
    FakePower powerFake;
    FakeCdTray cdTrayFake;
    FakeSound soundFake;
    FakeTray trayFake;
    FakeNotifications notificationsFake;
    FakeTrash trashFake;
    // A disk of the test's own (a slow one, say) in place of filesFake.
    FileSystem *otherDisk = nullptr;

    Clock &clock() override { return clockFake; }
    DataLocations &dataLocations() override { return locationsFake; }
    FileSystem &files() override { return otherDisk ? *otherDisk : static_cast<FileSystem &>(filesFake); }
    TextCodec &textCodec() override { return codec; }
    RegionalFormats &regionalFormats() override { return formatsFake; }
    SingleInstance &singleInstance() override { return instanceFake; }
    Termination &termination() override { return terminationFake; }
    HotKeys &hotKeys() override { return hotKeysFake; }
    Shell &shell() override { return shellFake; }
    Power &power() override { return powerFake; }
    CdTray &cdTray() override { return cdTrayFake; }
    Sound &sound() override { return soundFake; }
    Tray &tray() override { return trayFake; }
    Notifications &notifications() override { return notificationsFake; }
    Trash &trash() override { return trashFake; }
};

} // namespace veltrano
