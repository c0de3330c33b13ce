#include "platform/qt/CodePages.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace veltrano;

namespace {

constexpr int kPages[] = {1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 874, 866, 437, 850, 10000};

QByteArray allBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    return bytes;
}

} // namespace

TEST(CodePages, EveryByteOfEveryPageReadsAndWritesBackUnchanged)
{
    for (const int page : kPages) {
        ASSERT_TRUE(isSingleByteCodePage(page));
        const QString text = decodeCodePage(allBytes(), page);
        QByteArray back;
        ASSERT_TRUE(encodeCodePage(text, page, back)) << page;
        EXPECT_EQ(back, allBytes()) << page;
        for (int b = 0; b < 256; ++b) {
            const char16_t ch = decodeCodePageByte(page, static_cast<unsigned char>(b));
            EXPECT_EQ(ch, text.at(b).unicode()) << page << " byte " << b;
            EXPECT_EQ(encodeCodePageChar(page, ch), b == 0 ? 0 : b) << page << " byte " << b;
        }
    }
}

TEST(CodePages, KnownLettersOfTheCommonPages)
{
    EXPECT_EQ(decodeCodePage(QByteArray::fromHex("cff0e8e2e5f2"), 1251), QStringLiteral("Привет"));
    EXPECT_EQ(decodeCodePageByte(1252, 0x80), u'€');
    EXPECT_EQ(decodeCodePageByte(1250, 0x8A), u'Š');
    EXPECT_EQ(decodeCodePageByte(1253, 0xC1), u'Α');
    EXPECT_EQ(decodeCodePageByte(866, 0x80), u'А');
    EXPECT_EQ(encodeCodePageChar(1251, u'€'), 0x88);
    QByteArray bytes;
    EXPECT_FALSE(encodeCodePage(QStringLiteral("Привет"), 1252, bytes));
}

TEST(CodePages, UnknownPagesReadAsWindowsWestern)
{
    EXPECT_FALSE(isSingleByteCodePage(932));
    EXPECT_EQ(decodeCodePageByte(12345, 0xE9), u'é');
    EXPECT_EQ(encodeCodePageChar(12345, u'é'), 0xE9);
}

TEST(CodePages, ACharacterGoesToTheFirstWindowsPageThatHoldsIt)
{
    EXPECT_EQ(codePageHolding(u'é'), 1252);
    EXPECT_EQ(codePageHolding(u'Ж'), 1251);
    EXPECT_EQ(codePageHolding(u'Ł'), 1250);
    EXPECT_EQ(codePageHolding(u'Ω'), 1253);
    EXPECT_EQ(codePageHolding(u'中'), 0);
}

// Our tables stand in where Qt has no ICU; they must read every byte ICU
// defines the same way. IBM's 437 reads 0xE6 as the Greek mu, Windows (and
// our table) as the micro sign.
TEST(CodePages, OwnTablesAgreeWithIcuWhereItDefinesTheByte)
{
    const char *names[] = {"windows-1250", "windows-1251", "windows-1252", "windows-1253", "windows-1254",
                           "windows-1255", "windows-1256", "windows-1257", "windows-1258", "windows-874",
                           "IBM866",       "IBM437",       "IBM850",       "macintosh"};
    for (size_t i = 0; i < std::size(kPages); ++i) {
        if (!QStringDecoder(names[i]).isValid())
            GTEST_SKIP() << "Qt without ICU: our tables are all there is";
        const char16_t *own = ownUpperHalf(kPages[i]);
        ASSERT_NE(own, nullptr) << kPages[i];
        for (int b = 0x80; b < 0x100; ++b) {
            const char byte = static_cast<char>(b);
            QStringDecoder icu(names[i], QStringConverter::Flag::Stateless);
            const QString text = icu.decode(QByteArrayView(&byte, 1));
            if (icu.hasError() || text.size() != 1 || text.at(0).category() == QChar::Other_PrivateUse
                || text.at(0) == QChar::ReplacementCharacter || (kPages[i] == 437 && b == 0xE6))
                continue;
            EXPECT_EQ(own[b - 0x80], text.at(0).unicode()) << kPages[i] << " byte " << b;
        }
    }
}
