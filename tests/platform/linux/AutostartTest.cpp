#include "platform/linux/DesktopEntries.h"
#include "platform/linux/LinuxAutostart.h"
#include "platform/linux/LinuxCdTray.h"

#include "support/TempFolder.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

const QString kOurs = QStringLiteral("autostart/veltrano.desktop");
const QString kOther = QStringLiteral("autostart/other.desktop");
const QByteArray kOtherEntry = "[Desktop Entry]\nType=Application\nExec=other --tray\n";

} // namespace

// Other programs' entries sit in the same folder and must come out untouched.
TEST(Autostart, WritingAndRemovingLeaveOtherEntriesAlone)
{
    TempFolder config;
    config.write(kOther, kOtherEntry);
    const QString program = QStringLiteral("/opt/my apps/veltrano");
    ASSERT_TRUE(WriteAutostartEntry(config.path(), program));
    const QByteArray entry = config.read(kOurs);
    EXPECT_EQ(ExecArguments(KeyFileValue(entry, QStringLiteral("Desktop Entry"), QStringLiteral("Exec")).value()),
              QStringList{program});
    EXPECT_EQ(KeyFileValue(entry, QStringLiteral("Desktop Entry"), QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(config.read(kOther), kOtherEntry);

    ASSERT_TRUE(WriteAutostartEntry(config.path(), QStringLiteral("/usr/bin/veltrano")));
    EXPECT_TRUE(config.read(kOurs).contains("Exec=\"/usr/bin/veltrano\"\n"));

    EXPECT_TRUE(RemoveAutostartEntry(config.path()));
    EXPECT_FALSE(QFileInfo::exists(config.file(kOurs)));
    EXPECT_EQ(config.read(kOther), kOtherEntry);
    EXPECT_TRUE(RemoveAutostartEntry(config.path())); // nothing left to remove is no failure
}

TEST(Autostart, FolderIsMadeWhenMissingAndAnUnwritableOneIsAFailure)
{
    TempFolder config;
    EXPECT_TRUE(WriteAutostartEntry(config.file(QStringLiteral("new/config")), QStringLiteral("/usr/bin/veltrano")));
    EXPECT_TRUE(QFileInfo::exists(config.file(QStringLiteral("new/config/autostart/veltrano.desktop"))));

    config.write(QStringLiteral("blocked"), "a file where the folder should be");
    EXPECT_FALSE(WriteAutostartEntry(config.file(QStringLiteral("blocked")), QStringLiteral("/usr/bin/veltrano")));
}

// A line break would let the path write keys of its own into the entry.
TEST(Autostart, PathWithALineBreakIsRefused)
{
    TempFolder config;
    EXPECT_TRUE(ComposeAutostartEntry(QStringLiteral("/tmp/x\nHidden=true")).isEmpty());
    EXPECT_FALSE(WriteAutostartEntry(config.path(), QStringLiteral("/tmp/x\nHidden=true")));
    EXPECT_FALSE(QFileInfo::exists(config.file(kOurs)));
}

TEST(LinuxCdTray, NoDriveOrNotADriveMovesNothing)
{
    TempFolder dir;
    dir.write(QStringLiteral("not-a-drive"), "x");
    LinuxCdTray none({dir.file(QStringLiteral("missing"))});
    EXPECT_FALSE(none.open());
    EXPECT_FALSE(none.close());
    LinuxCdTray file({dir.file(QStringLiteral("not-a-drive"))});
    EXPECT_FALSE(file.open());
    EXPECT_FALSE(file.close());
}
