#include "app/logic/HelpPage.h"

#include "platform/fake/FakePlatform.h"
#include "support/FakeMessageBoxes.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

class HelpCommands : public ::testing::Test {
protected:
    void pressF1(const QString &dataFolder, const QString &exePath)
    {
        ShowHelpPage(platform.shellFake, platform.filesFake, messages, dataFolder, exePath);
    }
    TempFolder dir;
    FakePlatform platform;
    FakeMessageBoxes messages;
};

} // namespace

TEST_F(HelpCommands, MissingPageNamesTheFullPathAndOpensNothing)
{
    pressF1(dir.path(), dir.file(QStringLiteral("veltrano")));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].kind, QStringLiteral("notice"));
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Файл: ") + QDir::toNativeSeparators(dir.path() + QStringLiteral("Help/index.htm"))
                  + QStringLiteral(" не найден :("));
    EXPECT_TRUE(platform.shellFake.opened.isEmpty());
}

TEST_F(HelpCommands, PageBesideTheProgramIsOpenedSilently)
{
    dir.write(QStringLiteral("Help/index.htm"), "<html></html>");
    pressF1(dir.path(), dir.file(QStringLiteral("veltrano")));
    EXPECT_EQ(platform.shellFake.opened, QStringList{dir.file(QStringLiteral("Help/index.htm"))});
    EXPECT_TRUE(messages.shown.isEmpty());
}

// A page that exists but that nothing can open (no browser) is reported.
TEST_F(HelpCommands, PageThatCannotBeOpenedIsReported)
{
    dir.write(QStringLiteral("Help/index.htm"), "<html></html>");
    platform.shellFake.succeeds = false;
    pressF1(dir.path(), dir.file(QStringLiteral("veltrano")));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Произошёл неожиданный сбой. :(")});
}

TEST_F(HelpCommands, InstalledProgramFindsThePageUnderItsPrefix)
{
    dir.write(QStringLiteral("prefix/share/veltrano/Help/index.htm"), "<html></html>");
    const QString perUser = dir.file(QStringLiteral("home/.local/share/Veltrano/"));
    pressF1(perUser, dir.file(QStringLiteral("prefix/bin/veltrano")));
    EXPECT_EQ(platform.shellFake.opened, QStringList{dir.file(QStringLiteral("prefix/share/veltrano/Help/index.htm"))});
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(HelpCommands, InstalledProgramThatMayWriteBesideItselfStillFindsThePage)
{
    dir.write(QStringLiteral("prefix/share/veltrano/Help/index.htm"), "<html></html>");
    pressF1(dir.file(QStringLiteral("prefix/bin/")), dir.file(QStringLiteral("prefix/bin/veltrano")));
    EXPECT_EQ(platform.shellFake.opened, QStringList{dir.file(QStringLiteral("prefix/share/veltrano/Help/index.htm"))});
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(HelpCommands, PageInTheDataFolderComesBeforeTheInstalledOne)
{
    dir.write(QStringLiteral("prefix/share/veltrano/Help/index.htm"), "<html></html>");
    dir.write(QStringLiteral("data/Help/index.htm"), "<html>mine</html>");
    pressF1(dir.file(QStringLiteral("data/")), dir.file(QStringLiteral("prefix/bin/veltrano")));
    EXPECT_EQ(platform.shellFake.opened, QStringList{dir.file(QStringLiteral("data/Help/index.htm"))});
}

TEST_F(HelpCommands, InstalledProgramWithoutAnyPageNamesTheDataFolder)
{
    const QString perUser = dir.file(QStringLiteral("home/Veltrano/"));
    pressF1(perUser, dir.file(QStringLiteral("prefix/bin/veltrano")));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Файл: ")
                                            + QDir::toNativeSeparators(perUser + QStringLiteral("Help/index.htm"))
                                            + QStringLiteral(" не найден :(")});
}

TEST_F(HelpCommands, MailOpensANewLetterWithSubjectBodyAndCopy)
{
    MailDeveloper(platform.shellFake, messages);
    ASSERT_EQ(platform.shellFake.opened.size(), 1);
    const QUrl url(platform.shellFake.opened[0]);
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(url.path().contains(u'@'));
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("New letter"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("Body"), QUrl::FullyDecoded),
              QStringLiteral("Dear developer\r\nThank you"));
    const QString copy = query.queryItemValue(QStringLiteral("CC"), QUrl::FullyDecoded);
    EXPECT_TRUE(copy.contains(u'@'));
    EXPECT_NE(copy, url.path());
}

TEST_F(HelpCommands, HomePageIsAWebAddress)
{
    OpenHomePage(platform.shellFake, messages);
    ASSERT_EQ(platform.shellFake.opened.size(), 1);
    const QUrl url(platform.shellFake.opened[0], QUrl::StrictMode);
    EXPECT_TRUE(url.isValid());
    EXPECT_TRUE(url.scheme().startsWith(QStringLiteral("http")));
    EXPECT_TRUE(messages.shown.isEmpty());
}

// Without a browser or mail program the commands used to do nothing at all.
TEST_F(HelpCommands, MailAndHomePageThatCannotBeOpenedAreReported)
{
    platform.shellFake.succeeds = false;
    MailDeveloper(platform.shellFake, messages);
    OpenHomePage(platform.shellFake, messages);
    EXPECT_EQ(messages.texts(), QStringList(2, QStringLiteral("Произошёл неожиданный сбой. :(")));
}
