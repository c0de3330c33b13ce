// "Edit Item" and "Today Editor": the preset ready to be typed over, Enter
// confirms once, Escape leaves without a change.
#include "support/FakeModalDialogs.h"
#include "timeline/ui/TimelineItemDialog.h"
#include "timeline/ui/TodayItemDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

struct EntryRun {
    QStringList stored;
    bool accepts = true;
    WeekEntryDialog::Change change()
    {
        return [this](const QString &text) {
            stored << text;
            return accepts;
        };
    }
};

QLineEdit *editBox(QDialog &dialog)
{
    return dialog.findChild<QLineEdit *>(QStringLiteral("Edit"));
}

TEST(WeekEntryDialog, EditItemOpensWithThePresetSelectedAndEnterConfirmsOnce)
{
    FakeModalDialogs dialogs;
    TimelineItemDialog editItem(dialogs);
    editItem.ensurePolished(); // as opening it does
    EXPECT_EQ(editItem.windowTitle(), u"Edit Item");
    EXPECT_EQ(editItem.size(), QSize(457, 73));
    EXPECT_TRUE(editItem.findChild<QPushButton *>(QStringLiteral("Button"))->isDefault());
    EXPECT_FALSE(editItem.findChild<QLabel *>(QStringLiteral("Image1"))->accessibleName().isEmpty());
    EXPECT_FALSE(editBox(editItem)->accessibleName().isEmpty());
    EntryRun run;
    run.accepts = false; // a failed save: the dialog must stay
    dialogs.answer = [](QDialog &dialog) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        EXPECT_EQ(editBox(dialog)->selectedText(), u"Tuesday 4");
        QTest::keyClicks(editBox(dialog), QStringLiteral("Gym"));
        QTest::keyClick(editBox(dialog), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(editBox(dialog), Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    };
    editItem.edit(QStringLiteral("Tuesday 4"), run.change());
    EXPECT_EQ(run.stored, QStringList{u"Gym"_qs});
}

// An entry longer than an edit field's default limit (32,767 characters) was
// cut to it, in both dialogs, and the key typed at its end was dropped.
TEST(WeekEntryDialog, AnEntryOfAnyLengthKeepsEveryCharacter)
{
    FakeModalDialogs dialogs;
    TimelineItemDialog editItem(dialogs);
    TodayItemDialog todayEditor(dialogs);
    const QString longText = QString(40000, u'w');
    dialogs.answer = [](QDialog &dialog) {
        dialog.show();
        editBox(dialog)->end(false);
        QTest::keyClicks(editBox(dialog), QStringLiteral("!"));
        QTest::keyClick(editBox(dialog), Qt::Key_Return);
    };
    for (WeekEntryDialog *dialog : {static_cast<WeekEntryDialog *>(&editItem), static_cast<WeekEntryDialog *>(&todayEditor)}) {
        EntryRun run;
        dialog->edit(longText, run.change());
        EXPECT_EQ(run.stored, QStringList{longText + u'!'}) << dialog->windowTitle().toStdString();
    }
}

// The Today Editor's buttons have no default role: the dialog answers Enter
// and Escape itself, wherever the focus is.
TEST(WeekEntryDialog, TodayEditorAnswersEnterAndEscapeOnTheDialogToo)
{
    FakeModalDialogs dialogs;
    TodayItemDialog todayEditor(dialogs);
    EXPECT_EQ(todayEditor.windowTitle(), u"Today Editor");
    EntryRun run;
    dialogs.answer = [](QDialog &dialog) {
        dialog.show();
        auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("Button1"));
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    };
    todayEditor.edit(QStringLiteral("none"), run.change());
    EXPECT_EQ(run.stored, QStringList{u"none"_qs});

    dialogs.answer = [](QDialog &dialog) {
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    };
    todayEditor.edit(QStringLiteral("none"), run.change());
    EXPECT_EQ(run.stored.size(), 1);
}

} // namespace
