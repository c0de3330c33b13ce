#include "app/ui/AboutDialog.h"

#include "platform/fake/FakePlatform.h"
#include "support/FakeMessageBoxes.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace veltrano;

namespace {

QString labelText(const QWidget &form, const char *name)
{
    const auto *label = form.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

class AboutBox : public ::testing::Test {
protected:
    FakeShell shell;
    veltrano::test::FakeMessageBoxes messages;
    AboutDialog about{shell, messages};
};

} // namespace

TEST_F(AboutBox, ShowsVersionOneOneOnAWhiteBoxOfTheDesignedSize)
{
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(labelText(about, "Label4"), QStringLiteral("1.1"));
    EXPECT_EQ(labelText(about, "LabelBuild"), QStringLiteral("Build 700"));
    EXPECT_EQ(labelText(about, "LabelProduct"), QStringLiteral("Veltrano"));
    EXPECT_EQ(about.size(), QSize(698, 405));
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(Qt::white));
    const auto *banner = about.findChild<QWidget *>(QStringLiteral("ImageBanner"));
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->geometry(), QRect(0, 0, 698, 185));
}

TEST_F(AboutBox, OkAndEscCloseIt)
{
    about.show();
    QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("Thanks")), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutBox, AddressOpensANewLetterOrSaysItCannot)
{
    about.show();
    auto *address = about.findChild<QLabel *>(QStringLiteral("Label5"));
    ASSERT_NE(address, nullptr);
    EXPECT_TRUE(address->text().contains(u'@'));
    QTest::mouseClick(address, Qt::LeftButton);
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_TRUE(shell.opened[0].startsWith(QStringLiteral("mailto:") + address->text() + u'?'));
    EXPECT_TRUE(messages.shown.isEmpty());

    shell.succeeds = false; // no mail program
    QTest::mouseClick(address, Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Произошёл неожиданный сбой. :(")});
}
