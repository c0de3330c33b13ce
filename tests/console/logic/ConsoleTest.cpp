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
TEST(runCommand, TextsThatAreNoWordGoToTheShellUpperCasedAndFail)
{
    ConsoleRun console;
    console.run(QStringLiteral(" exit"));
    console.run(QString());
    console.run(QStringLiteral("notes.txt ; rm -rf ~"));
    EXPECT_EQ(console.shell.opened,
              (QStringList{QStringLiteral(" EXIT"), QString(), QStringLiteral("NOTES.TXT ; RM -RF ~")}));
    EXPECT_EQ(console.closes, 0);
    EXPECT_EQ(console.messages.texts(), QStringList(3, QStringLiteral("Unknown operator :(")));
    EXPECT_EQ(console.messages.shown.constFirst().kind, QStringLiteral("notice"));
}

TEST(runCommand, WhatTheShellOpensIsNotReported)
{
    ConsoleRun console(true);
    console.run(QStringLiteral("calc"));
    console.run(QStringLiteral("ÿarn"));
    EXPECT_EQ(console.shell.opened, (QStringList{QStringLiteral("CALC"), QStringLiteral("ŸARN")}));
    EXPECT_TRUE(console.messages.shown.isEmpty());
}
