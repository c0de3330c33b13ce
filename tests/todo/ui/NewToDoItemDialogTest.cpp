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
#include <QSet>
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

QStringList words(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *word : list)
        result << QString::fromLatin1(word);
    return result;
}

// Opened and made the active window, as the user meets it.
void showActive(NewToDoItemDialog &form)
{
    form.show();
    QApplication::setActiveWindow(&form);
    QCoreApplication::processEvents();
}

TEST_F(DoEditTest, TabReachesEveryOptionAndButtonInReadingOrder)
{
    start("[Common]\r\nTo-Do Autostart=0\r\n");
    compose([](NewToDoItemDialog &form) {
        showActive(form);
        EXPECT_EQ(form.windowTitle(), u"New To-Do Item");
        EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
        QStringList reached;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(reached, words({"CheckBoxNum", "CheckBoxPrior", "CheckBoxScob", "CheckBoxMark", "CheckBoxTime",
                                        "CheckBoxDate", "BitBtnAdd", "BitBtnDef", "BitBtnCancel", "EditMainToDo"}));
        form.cancel();
    });
}

// Alt and the underlined sign switch each option and press each button;
// the captions read as before, the ampersand only underlines.
TEST_F(DoEditTest, EveryControlHasAnAccessKeyOfItsOwn)
{
    start("[Common]\r\nTo-Do Autostart=0\r\n");
    compose([this](NewToDoItemDialog &form) {
        showActive(form);
        const QList<QAbstractButton *> controls = form.findChildren<QAbstractButton *>();
        ASSERT_EQ(controls.size(), 9);
        QStringList captions;
        QSet<QKeySequence> keys;
        for (const QAbstractButton *control : controls) {
            captions << QString(control->text()).remove(u'&');
            const QKeySequence key = QKeySequence::mnemonic(control->text());
            EXPECT_FALSE(key.isEmpty()) << control->objectName().toStdString();
            keys.insert(key);
        }
        EXPECT_EQ(keys.size(), 9);
        EXPECT_EQ(captions, words({"Autonumeration", "[!]", "[...]", "Marker", "Time", "Date", "Add (Enter)",
                                         "Set defaults", "Cancel (Esc)"}));

        QTest::keyClicks(edit(), QStringLiteral("Buy"));
        for (const auto &[key, box] : {std::pair{Qt::Key_T, "CheckBoxTime"}, {Qt::Key_Period, "CheckBoxScob"},
                                       {Qt::Key_Exclam, "CheckBoxPrior"}}) {
            QTest::keyClick(edit(), key, Qt::AltModifier);
            EXPECT_TRUE(QTest::qWaitFor([&] { return option(box)->isChecked(); }, 1000)) << box;
        }
        QTest::keyClick(edit(), Qt::Key_S, Qt::AltModifier); // "Set defaults"
        EXPECT_TRUE(QTest::qWaitFor([&] { return !option("CheckBoxTime")->isChecked(); }, 1000));
        EXPECT_TRUE(option("CheckBoxNum")->isChecked());
        QTest::keyClick(edit(), Qt::Key_A, Qt::AltModifier); // "Add (Enter)"
        EXPECT_TRUE(QTest::qWaitFor([&] { return edit()->text().isEmpty(); }, 1000));
        QTest::keyClick(edit(), Qt::Key_C, Qt::AltModifier); // "Cancel (Esc)"
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }, 1000));
    });
    EXPECT_EQ(itemTexts(), QStringList{QStringLiteral("1) [Buy]")});
}

// Clicked with the mouse or pressed from the keyboard, a button or an option
// leaves the typing where it was: the next words join the text, and a space
// is a space, not a second press.
TEST_F(DoEditTest, ButtonsAndOptionsHandTheTypingBackToTheText)
{
    start("[Common]\r\nTo-Do Autostart=0\r\n");
    compose([this](NewToDoItemDialog &form) {
        showActive(form);
        QTest::keyClicks(edit(), QStringLiteral("Buy"));
        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("BitBtnDef")), Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), edit());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" milk"));
        QTest::mouseClick(option("CheckBoxTime"), Qt::LeftButton);
        EXPECT_TRUE(option("CheckBoxTime")->isChecked());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" and"));
        EXPECT_EQ(edit()->text(), u"Buy milk and");

        QTest::keyClick(edit(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // "Autonumeration" off
        EXPECT_FALSE(option("CheckBoxNum")->isChecked());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" eggs"));
        EXPECT_EQ(edit()->text(), u"Buy milk and eggs");

        // Text left selected stays selected: typing still replaces it.
        edit()->selectAll();
        QTest::mouseClick(option("CheckBoxMark"), Qt::LeftButton);
        EXPECT_EQ(edit()->selectedText(), u"Buy milk and eggs");
        form.cancel();
    });
    EXPECT_TRUE(itemTexts().isEmpty());
}

// An empty text is refused; the keyboard stays in the edit for the words.
TEST_F(DoEditTest, RefusedEmptyTextLeavesTheKeyboardInTheEdit)
{
    start("[Common]\r\nTo-Do Autostart=0\r\n");
    compose([this](NewToDoItemDialog &form) {
        showActive(form);
        edit()->clear();
        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("BitBtnAdd")), Qt::LeftButton);
        EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Input some event")});
        EXPECT_EQ(QApplication::focusWidget(), edit());
        form.cancel();
    });
}

} // namespace
