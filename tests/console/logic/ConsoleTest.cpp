#include "console/logic/Console.h"

#include "platform/fake/FakePlatform.h"
#include "support/FakeMessageBoxes.h"

#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

// The console with a shell that opens nothing, recording what each text did.
struct ConsoleRun {
    FakeShell shell;
    FakeMessageBoxes messages;
    int closes = 0;
    int keymaps = 0;

    explicit ConsoleRun(bool shellOpens = false) { shell.succeeds = shellOpens; }
    void run(const QString &text)
    {
        RunConsoleCommand(text, shell, messages, {[this] { ++closes; }, [this] { ++keymaps; }});
    }
};

} // namespace

TEST(ConsoleWords, OnlyTheWholeTextMatchesAWord)
{
    for (const char *word : {"EXIT", "EXIT;", "CLOSE", "CLOSE;"})
        EXPECT_EQ(BuiltInConsoleWord(QLatin1String(word)), ConsoleWord::CloseProgram) << word;
    for (const char *word : {"HELP", "HELP;"})
        EXPECT_EQ(BuiltInConsoleWord(QLatin1String(word)), ConsoleWord::KeymapInfo) << word;
    for (const char *text : {" EXIT", "EXIT ", "EXIT;;", "QUIT", "HELP ;", ";HELP", "", "exit"})
        EXPECT_EQ(BuiltInConsoleWord(QLatin1String(text)), ConsoleWord::None) << '"' << text << '"';
}

TEST(runCommand, CloseWordsInAnyCaseCloseAndOpenNothing)
{
    ConsoleRun console;
    for (const char *text : {"exit", "Exit;", "close", "cLoSe;", "EXIT"})
        console.run(QLatin1String(text));
    EXPECT_EQ(console.closes, 5);
    EXPECT_EQ(console.keymaps, 0);
    EXPECT_TRUE(console.shell.opened.isEmpty());
    EXPECT_TRUE(console.messages.shown.isEmpty());
}

TEST(runCommand, HelpInAnyCaseShowsKeymapInfo)
{
    ConsoleRun console;
    console.run(QStringLiteral("help"));
    console.run(QStringLiteral("HeLp;"));
    EXPECT_EQ(console.keymaps, 2);
    EXPECT_EQ(console.closes, 0);
    EXPECT_TRUE(console.shell.opened.isEmpty());
}

// Nothing is trimmed: a leading blank makes the word a name for the shell.
TEST(runCommand, TextsThatAreNoWordGoToTheShellAsTypedAndFail)
{
    ConsoleRun console;
    console.run(QStringLiteral(" exit"));
    console.run(QString());
    console.run(QStringLiteral("notes.txt ; rm -rf ~"));
    EXPECT_EQ(console.shell.opened,
              (QStringList{QStringLiteral(" exit"), QString(), QStringLiteral("notes.txt ; rm -rf ~")}));
    EXPECT_EQ(console.closes, 0);
    EXPECT_EQ(console.messages.texts(), QStringList(3, QStringLiteral("Unknown operator :(")));
    EXPECT_EQ(console.messages.shown.constFirst().kind, QStringLiteral("notice"));
}

// Addresses and file names tell upper from lower case here: they are opened
// exactly as typed, and only what the shell opens goes unreported.
TEST(runCommand, WhatTheShellOpensIsOpenedAsTypedAndNotReported)
{
    ConsoleRun console(true);
    console.run(QStringLiteral("calc"));
    console.run(QStringLiteral("https://example.org/Wiki/Main_Page"));
    console.run(QStringLiteral("~/Documents/Report.odt"));
    console.run(QStringLiteral("ÿarn"));
    EXPECT_EQ(console.shell.opened,
              (QStringList{QStringLiteral("calc"), QStringLiteral("https://example.org/Wiki/Main_Page"),
                           QStringLiteral("~/Documents/Report.odt"), QStringLiteral("ÿarn")}));
    EXPECT_TRUE(console.messages.shown.isEmpty());
}

// A file that exists but that no program opens: the desktop's opener says so
// only after it has tried, and the console tells it then.
TEST(runCommand, AnOpenerThatGivesUpLaterIsToldAsAnUnknownOperator)
{
    ConsoleRun console(true);
    console.run(QStringLiteral("drawing.xyz"));
    EXPECT_TRUE(console.messages.shown.isEmpty());
    console.shell.giveUp();
    EXPECT_EQ(console.messages.texts(), QStringList{QStringLiteral("Unknown operator :(")});
}
