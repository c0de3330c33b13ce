#include "platform/qt/RunKeyEntries.h"

#include <gtest/gtest.h>

using namespace veltrano;

namespace {
const QString kOurs = QStringLiteral("C:\\PROGRA~1\\VELTRANO\\VELTRANO.EXE");
}

TEST(RunKeyEntries, AddingKeepsEveryOtherProgramAndComesOnce)
{
    EXPECT_EQ(WithRunEntry(QString(), kOurs), kOurs);
    EXPECT_EQ(WithRunEntry(QStringLiteral("C:\\A.EXE,C:\\B.EXE"), kOurs),
              QStringLiteral("C:\\A.EXE C:\\B.EXE ") + kOurs);
    // Already there, in other letters: the key is left byte for byte.
    const QString listed = QStringLiteral("C:\\A.EXE, c:\\progra~1\\veltrano\\veltrano.exe");
    EXPECT_EQ(WithRunEntry(listed, kOurs), listed);
}

TEST(RunKeyEntries, RemovingTakesOutOnlyOursWhereverItStands)
{
    EXPECT_EQ(WithoutRunEntry(kOurs, kOurs), QString());
    EXPECT_EQ(WithoutRunEntry(QStringLiteral("C:\\A.EXE ") + kOurs.toLower() + QStringLiteral(",C:\\B.EXE ") + kOurs,
                              kOurs),
              QStringLiteral("C:\\A.EXE C:\\B.EXE"));
    // Not ours: another program's key stays as it was written, commas too.
    EXPECT_EQ(WithoutRunEntry(QStringLiteral("C:\\A.EXE,,C:\\B.EXE"), kOurs), QStringLiteral("C:\\A.EXE,,C:\\B.EXE"));
    // A longer name that merely starts with ours is another program.
    EXPECT_EQ(WithoutRunEntry(kOurs + QStringLiteral("X"), kOurs), kOurs + QStringLiteral("X"));
}

TEST(RunKeyEntries, APathThatWouldSplitIsNoEntry)
{
    EXPECT_TRUE(FitsRunKey(kOurs));
    EXPECT_FALSE(FitsRunKey(QStringLiteral("C:\\Program Files\\Veltrano\\veltrano.exe")));
    EXPECT_FALSE(FitsRunKey(QStringLiteral("C:\\a,b\\veltrano.exe")));
    EXPECT_FALSE(FitsRunKey(QString()));
}
