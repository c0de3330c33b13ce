#include "common/logic/IniDocument.h"

#include <gtest/gtest.h>

using namespace veltrano;

TEST(IniDocument, NamesMatchIgnoringCaseAndBlanksAroundValuesAreDropped)
{
    const IniDocument doc = IniDocument::parse(QStringLiteral("[mainform]\r\n  WID =  812 \r\n"));
    EXPECT_EQ(doc.value(QStringLiteral("MainForm"), QStringLiteral("Wid")), QStringLiteral("812"));
    EXPECT_FALSE(doc.value(QStringLiteral("MainForm"), QStringLiteral("Hei")));
    EXPECT_FALSE(doc.value(QStringLiteral("ToolBars"), QStringLiteral("Wid")));
}

TEST(IniDocument, WriteReplacesInPlaceKeepingCommentsUnknownKeysAndOrder)
{
    IniDocument doc = IniDocument::parse(QStringLiteral(
        "; my notes\r\n[MainForm]\r\nLeft=5\r\nMine=keep\r\n\r\n[ToolBars]\r\nMain=1\r\n"));
    doc.setValue(QStringLiteral("mainform"), QStringLiteral("LEFT"), QStringLiteral("7"));
    EXPECT_EQ(doc.toText(), QStringLiteral("; my notes\r\n[MainForm]\r\nLeft=7\r\nMine=keep\r\n\r\n[ToolBars]\r\nMain=1\r\n"));
}

TEST(IniDocument, NewKeyGoesToTheEndOfItsSectionAndNewSectionToTheEndOfTheFile)
{
    IniDocument doc = IniDocument::parse(QStringLiteral("[MainForm]\r\nLeft=5\r\n\r\n[ToolBars]\r\nMain=1\r\n"));
    doc.setValue(QStringLiteral("MainForm"), QStringLiteral("Top"), QStringLiteral("9"));
    doc.setValue(QStringLiteral("Common"), QStringLiteral("To-Do Pos"), QStringLiteral("0"));
    EXPECT_EQ(doc.toText(), QStringLiteral("[MainForm]\r\nLeft=5\r\nTop=9\r\n\r\n[ToolBars]\r\nMain=1\r\n"
                                           "[Common]\r\nTo-Do Pos=0\r\n"));
}

TEST(IniDocument, LfOnlyFileStaysLfOnly)
{
    IniDocument doc = IniDocument::parse(QStringLiteral("[A]\nx=1\n"));
    doc.setValue(QStringLiteral("A"), QStringLiteral("y"), QStringLiteral("2"));
    EXPECT_EQ(doc.toText(), QStringLiteral("[A]\nx=1\ny=2\n"));
}

TEST(IniDocument, CommentedKeyIsNotAValue)
{
    const IniDocument doc = IniDocument::parse(QStringLiteral("[A]\r\n;x=1\r\n"));
    EXPECT_FALSE(doc.value(QStringLiteral("A"), QStringLiteral(";x")));
    EXPECT_FALSE(doc.value(QStringLiteral("A"), QStringLiteral("x")));
}

TEST(IniDocument, ByteOrderMarkDoesNotHideTheFirstSection)
{
    const IniDocument doc = IniDocument::parse(QStringLiteral("\uFEFF[Application]\r\nHiden=1\r\n"));
    EXPECT_EQ(doc.value(QStringLiteral("Application"), QStringLiteral("Hiden")), QStringLiteral("1"));
}

TEST(IniDocument, SecondByteOrderMarkStaysPartOfTheFirstLineAfterAWrite)
{
    // Only one mark is the file's; the line after it is no section header.
    IniDocument doc = IniDocument::parse(QStringLiteral("\uFEFF\uFEFF[Application]\r\nHiden=1\r\n"));
    ASSERT_FALSE(doc.value(QStringLiteral("Application"), QStringLiteral("Hiden")));
    doc.setValue(QStringLiteral("MainForm"), QStringLiteral("Left"), QStringLiteral("5"));
    const IniDocument reread = IniDocument::parse(doc.toText());
    EXPECT_FALSE(reread.value(QStringLiteral("Application"), QStringLiteral("Hiden")));
    EXPECT_EQ(reread.value(QStringLiteral("MainForm"), QStringLiteral("Left")), QStringLiteral("5"));
}
