// The composer as the to-do window opens it: numbering by count, the empty
// edit, the text kept between openings, options read at start and written at
// exit, the focus going back to the edit.
#include "todo/ui/NewToDoItemDialog.h"

#include "todo/logic/ToDoListModel.h"
#include "ToDoWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class DoEditTest : public ToDoWindowFixture {
protected:
    static constexpr auto kNumbering = "[Common]\r\nTo-Do Autostart=0\r\n[ToDo EditForm]\r\nNum=1\r\n";

    NewToDoItemDialog *composer() const { return topLevel<NewToDoItemDialog>("ToDoEditForm"); }
    QLineEdit *edit() const { return composer()->findChild<QLineEdit *>(QStringLiteral("EditMainToDo")); }
    QCheckBox *option(const char *name) const { return composer()->findChild<QCheckBox *>(QLatin1String(name)); }
    // Opens the composer from the to-do window; `work` types into it.
    void compose(const std::function<void(NewToDoItemDialog &)> &work)
    {
        dialogs.answer = [work](QDialog &dialog) { work(static_cast<NewToDoItemDialog &>(dialog)); };
        toDo().addItem();
        dialogs.answer = nullptr;
    }
    void add(NewToDoItemDialog &form, const QString &text)
    {
        edit()->setText(text);
        form.addItem();
    }
};

TEST_F(DoEditTest, AutonumerationCountsTheItemsItDoesNotContinueASequence)
{
    start(kNumbering, "01) a\r\n02) b\r\n03) c\r\n");
    compose([this](NewToDoItemDialog &form) {
        add(form, QStringLiteral("Call Bob"));
        add(form, QStringLiteral("Pay rent"));
    });
    EXPECT_EQ(itemTexts().mid(3), (QStringList{QStringLiteral("4) Call Bob"), QStringLiteral("5) Pay rent")}));
    EXPECT_EQ(toDo().windowTitle(), u"To-Do List: 5");

    toDo().list().DeleteToDoItem(4);
    toDo().list().DeleteToDoItem(3);
    toDo().list().DeleteToDoItem(1);
    compose([this](NewToDoItemDialog &form) { add(form, QStringLiteral("d")); });
    EXPECT_EQ(itemTexts(), (QStringList{QStringLiteral("1) a"), QStringLiteral("3) c"), QStringLiteral("3) d")}));
    EXPECT_EQ(listFile(), "01) a\r\n03) c\r\n03) d\r\n");
}

TEST_F(DoEditTest, ATextLongerThanAnEditsDefaultLimitIsAddedWhole)
{
    start("[Common]\r\nTo-Do Autostart=0\r\n");
    const QString longText = QString(40000, u'y');
    compose([this, &longText](NewToDoItemDialog &form) {
        edit()->setText(longText);
        edit()->end(false);
        QTest::keyClicks(edit(), QStringLiteral("z"));
        form.addItem();
    });
    ASSERT_EQ(toDo().list().count(), 1);
    EXPECT_EQ(toDo().list().items().constFirst().text, longText + u'z');
}

TEST_F(DoEditTest, EmptyEditAsksForAnEventASpaceIsAnItem)
{
    start(kNumbering);
    compose([this](NewToDoItemDialog &form) {
        add(form, QString());
        add(form, QStringLiteral(" "));
    });
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Input some event")});
    EXPECT_EQ(itemTexts(), QStringList{QStringLiteral("1)  ")});
}

TEST_F(DoEditTest, FirstOpeningOffersTheDotsAndUnaddedTextWaitsForTheNextOpening)
{
    start("[Common]\r\nTo-Do Autostart=0\r\n");
    compose([this](NewToDoItemDialog &form) {
        EXPECT_EQ(edit()->text(), u"...");
        QTest::keyClick(&form, Qt::Key_Return); // Enter anywhere adds
        EXPECT_TRUE(edit()->text().isEmpty());
        edit()->setText(QStringLiteral("draft"));
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    EXPECT_EQ(itemTexts(), QStringList{QStringLiteral("...")});
    compose([this](NewToDoItemDialog &form) {
        form.show();
        EXPECT_EQ(edit()->text(), u"draft");
        EXPECT_EQ(edit()->selectedText(), u"draft"); // typing replaces it
        form.cancel();
    });
    EXPECT_EQ(itemTexts().size(), 1);
}

TEST_F(DoEditTest, StampsComeFromTheClockInTheRegionsForm)
{
    start("[Common]\r\nTo-Do Autostart=0\r\n[ToDo EditForm]\r\nTime=1\r\nDate=1\r\nPrior=1\r\n");
    compose([this](NewToDoItemDialog &form) { add(form, QStringLiteral("T")); });
    EXPECT_EQ(itemTexts(), QStringList{QStringLiteral("[ ! ] T [ 9:30:00 ] [ 08.12.2026 ]")});
}

TEST_F(DoEditTest, OptionsComeFromTheSettingsAndSetDefaultsThenCancelIsStillWrittenAtExit)
{
    start("[Common]\r\nTo-Do Autostart=0\r\n[ToDo EditForm]\r\nMark=1\r\nDate=1\r\n");
    compose([this](NewToDoItemDialog &form) {
        EXPECT_TRUE(option("CheckBoxMark")->isChecked());
        EXPECT_TRUE(option("CheckBoxDate")->isChecked());
        EXPECT_FALSE(option("CheckBoxNum")->isChecked());
        form.findChild<QPushButton *>(QStringLiteral("BitBtnDef"))->click();
        form.findChild<QPushButton *>(QStringLiteral("BitBtnCancel"))->click();
    });
    EXPECT_TRUE(itemTexts().isEmpty());
    shutDown();
    EXPECT_TRUE(ini().contains("[ToDo EditForm]\r\nMark=0\r\nDate=0\r\nTime=0\r\nPrior=0\r\nNum=1\r\nScob=1\r\n"))
        << ini().toStdString();
}

// Its boxes are built only when it is first opened; a session that never
// opens it still writes back what it read, not the defaults.
TEST_F(DoEditTest, NeverOpenedItWritesBackTheOptionsItReadAtExit)
{
    const QByteArray options = "[ToDo EditForm]\r\nMark=1\r\nDate=0\r\nTime=1\r\nPrior=0\r\nNum=1\r\nScob=0\r\n";
    start("[Common]\r\nTo-Do Autostart=0\r\n" + options);
    for (const QWidget *window : QApplication::topLevelWidgets())
        EXPECT_NE(window->objectName(), QStringLiteral("ToDoEditForm")); // made only when opened
    const ToDoComposeOptions held = program->toDo().composeOptions();
    EXPECT_TRUE(held.marker && held.time && held.autonumeration);
    EXPECT_FALSE(held.date || held.priority || held.brackets);
    shutDown();
    EXPECT_TRUE(ini().contains(options)) << ini().toStdString();
}

TEST_F(DoEditTest, CheckBoxesHandTheFocusBackToTheEdit)
{
    start("[Common]\r\nTo-Do Autostart=0\r\n");
    compose([this](NewToDoItemDialog &form) {
        form.show();
        QApplication::setActiveWindow(&form);
        QCoreApplication::processEvents();
        EXPECT_EQ(form.windowTitle(), u"New To-Do Item");
        EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
        QTest::mouseClick(option("CheckBoxTime"), Qt::LeftButton);
        EXPECT_TRUE(option("CheckBoxTime")->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), edit());
        EXPECT_EQ(option("CheckBoxNum")->focusPolicy(), Qt::ClickFocus); // Tab skips them
        form.cancel();
    });
}

} // namespace
