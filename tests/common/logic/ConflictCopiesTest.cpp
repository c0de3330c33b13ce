#include "common/logic/ConflictCopies.h"

#include <gtest/gtest.h>

using namespace veltrano;

TEST(ConflictCopiesTest, OurNameKeepsTheSuffixAndASafeHost)
{
    const QDateTime when(QDate(2026, 12, 8), QTime(22, 5, 7));
    EXPECT_EQ(ConflictCopyName(QStringLiteral("note.rtf"), QStringLiteral("desk"), when),
              QStringLiteral("note.conflict-desk-20261208-220507.rtf"));
    EXPECT_EQ(ConflictCopyName(QStringLiteral("PM.INI"), QStringLiteral("my laptop/2"), when),
              QStringLiteral("PM.conflict-my_laptop_2-20261208-220507.INI"));
    EXPECT_EQ(ConflictCopyName(QStringLiteral("Monday.txt"), QString(), when),
              QStringLiteral("Monday.conflict-host-20261208-220507.txt"));
}

TEST(ConflictCopiesTest, EverySyncEnginesCopyOfTheNoteIsFoundAndNothingElse)
{
    const QString note = QStringLiteral("note.rtf");
    const QStringList names{
        QStringLiteral("note.rtf"),
        QStringLiteral("note.sync-conflict-20261208-101010-ABCDEFG.rtf"),      // Syncthing
        QStringLiteral("note (conflicted copy 2026-12-08 101010).rtf"),        // Nextcloud
        QStringLiteral("note (Anna's conflicted copy 2026-12-08).rtf"),        // Dropbox
        QStringLiteral("note.conflict-desk-20261208-101010.rtf"),              // ours
        QStringLiteral("note.rtf.2026-12-08_10-10-10.bak"),                    // kept aside, not a version
        QStringLiteral("notes.rtf"),
        QStringLiteral("note (copy).rtf"),
        QStringLiteral("list.sync-conflict-20261208-101010-ABCDEFG.todo"),
    };
    EXPECT_EQ(ConflictCopiesAmong(names, note).size(), 4);
    EXPECT_FALSE(IsConflictCopyOf(note, note));
    EXPECT_TRUE(IsConflictCopyOf(QStringLiteral("list.sync-conflict-20261208-101010-ABCDEFG.todo"),
                                 QStringLiteral("list.todo")));
}
