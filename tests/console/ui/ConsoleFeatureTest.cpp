// The console line on the assembled main window: keys, words, its menu.
#include "app/ui/Application.h"
#include "support/AssembledProgram.h"
#include "console/ui/ConsoleFeature.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class Console : public AssembledProgram {
protected:
    QLineEdit *line() const { return widget<QLineEdit>("MainEditCmd"); }
    void enter(const QString &text) const
    {
        QTest::keyClicks(line(), text);
        QTest::keyClick(line(), Qt::Key_Return);
    }
};

} // namespace

TEST_F(Console, SitsInTheBottomBarLeftOfItsTerminalButtonEmptyAndNamed)
{
    create();
    main().show();
    QApplication::processEvents();
    QLineEdit *edit = line();
    auto *button = widget<QToolButton>("SpeedButtonConsole");
    EXPECT_EQ(edit->parentWidget(), widget("PanelConsole"));
    EXPECT_LT(edit->geometry().right(), button->geometry().left());
    EXPECT_GT(edit->width(), button->width());
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_FALSE(edit->accessibleName().isEmpty());
}

// The Enter key never reaches the edit itself (no returnPressed, no beep).
TEST_F(Console, EnterHandsTheTextToTheShellAsTypedAndEmptiesTheLine)
{
    create();
    QSignalSpy returns(line(), &QLineEdit::returnPressed);
    enter(QStringLiteral("calc"));
    QTest::keyClicks(line(), QStringLiteral("Notes.txt"));
    QTest::keyClick(line(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(platform.shellFake.opened, (QStringList{QStringLiteral("calc"), QStringLiteral("Notes.txt")}));
    EXPECT_TRUE(line()->text().isEmpty());
    EXPECT_EQ(returns.count(), 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

// A file with no program for it is told when the desktop's opener gives up.
TEST_F(Console, AFileNoProgramOpensIsToldWhenTheOpenerGivesUp)
{
    create();
    enter(QStringLiteral("drawing.xyz"));
    EXPECT_TRUE(messages.shown.isEmpty());
    platform.shellFake.giveUp();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Unknown operator :(")});
}

TEST_F(Console, EscEmptiesTheLineAndRunsNothing)
{
    create();
    main().show();
    QTest::keyClicks(line(), QStringLiteral("exit"));
    QTest::keyClick(line(), Qt::Key_Escape);
    EXPECT_TRUE(line()->text().isEmpty());
    EXPECT_TRUE(platform.shellFake.opened.isEmpty());
    EXPECT_TRUE(main().isVisible());
}

TEST_F(Console, HelpWordsAndTheLinesMenuOpenKeymapInfo)
{
    create();
    enter(QStringLiteral("help"));
    enter(QStringLiteral("HeLp;"));
    auto *menu = widget<QMenu>("PopupMenuCmd");
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().constFirst()->text(), QStringLiteral("Keymap Info..."));
    EXPECT_EQ(line()->contextMenuPolicy(), Qt::CustomContextMenu);
    action("KeymapInfo1")->trigger();
    EXPECT_EQ(dialogs.ran, QStringList(3, QStringLiteral("frmKeyMap")));
    EXPECT_TRUE(platform.shellFake.opened.isEmpty());
    EXPECT_TRUE(line()->text().isEmpty());
}

TEST_F(Console, CloseWordClosesTheMainWindow)
{
    create();
    main().show();
    enter(QStringLiteral("Close;"));
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(line()->text().isEmpty());
    EXPECT_TRUE(platform.shellFake.opened.isEmpty());
}
