#include "passwords/ui/PasswordGeneratorDialog.h"

#include "support/AssembledProgram.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace veltrano;
using namespace veltrano::test;

namespace {

QLineEdit *edit1(const QWidget &form)
{
    return form.findChild<QLineEdit *>(QStringLiteral("Edit1"));
}

QPushButton *button(const QWidget &form, const char *name)
{
    return form.findChild<QPushButton *>(QLatin1String(name));
}

using PasswordGeneratorOnMainWindow = AssembledProgram;

} // namespace

TEST(PasswordGenerator, LaidOutAsDesigned)
{
    FakeModalDialogs dialogs;
    PasswordGeneratorDialog form(dialogs);
    form.ensurePolished(); // as opening it does
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Password Generator"));
    EXPECT_EQ(form.size(), QSize(503, 73));
    ASSERT_NE(edit1(form), nullptr);
    EXPECT_EQ(edit1(form)->pos(), QPoint(8, 8));
    EXPECT_EQ(edit1(form)->width(), 397);
    EXPECT_FALSE(edit1(form)->accessibleName().isEmpty());
    EXPECT_EQ(button(form, "ButtonGenerator")->geometry(), QRect(420, 8, 75, 25));
    EXPECT_EQ(button(form, "ButtonGenerator")->text(), QStringLiteral("GUID"));
    EXPECT_EQ(button(form, "ButtonClose")->geometry(), QRect(420, 40, 75, 25));
    EXPECT_EQ(button(form, "ButtonClose")->text(), QStringLiteral("Close"));
}

// Every opening, from the main menu or the tray menu, shows a value of its own.
TEST_F(PasswordGeneratorOnMainWindow, EachOpeningShowsAFreshValue)
{
    create();
    QStringList shown;
    dialogs.answer = [&shown](QDialog &dialog) { shown << edit1(dialog)->text(); };
    action("PasswordGenerator1")->trigger();
    action("PasswordGenerator1")->trigger();
    EXPECT_EQ(dialogs.ran, QStringList(2, QStringLiteral("frmPasswordGenerator")));
    ASSERT_EQ(shown.size(), 2);
    EXPECT_NE(shown[0], shown[1]);
    for (const QString &value : shown) {
        EXPECT_EQ(value.size(), 38) << qPrintable(value);
        EXPECT_TRUE(value.startsWith(u'{') && value.endsWith(u'}')) << qPrintable(value);
    }
}

TEST(PasswordGenerator, GuidReplacesTheValueAndCloseOrEscHideTheDialog)
{
    FakeModalDialogs dialogs;
    PasswordGeneratorDialog form(dialogs);
    form.openWithNewPassword();
    form.show();
    const QString first = edit1(form)->text();
    QTest::mouseClick(button(form, "ButtonGenerator"), Qt::LeftButton);
    EXPECT_NE(edit1(form)->text(), first);
    EXPECT_EQ(edit1(form)->text().size(), 38);
    EXPECT_EQ(edit1(form)->selectedText(), edit1(form)->text());
    QTest::mouseClick(button(form, "ButtonClose"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    for (QWidget *focus : {static_cast<QWidget *>(edit1(form)), static_cast<QWidget *>(button(form, "ButtonGenerator"))}) {
        form.show();
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible()) << qPrintable(focus->objectName());
    }
}

// A failing generator shows its text in the edit, not a box, and "GUID" can
// be tried again.
TEST(PasswordGenerator, FailureTextStaysInTheEditUntilGuidWorksAgain)
{
    FakeModalDialogs dialogs;
    bool failing = true;
    PasswordGeneratorDialog form(dialogs, [&failing] { return failing ? QUuid() : QUuid::createUuid(); });
    form.openWithNewPassword();
    EXPECT_EQ(edit1(form)->text(), QStringLiteral("Sorry, system can not do this operation"));
    failing = false;
    form.onGenerate();
    EXPECT_EQ(edit1(form)->text().size(), 38);
}
