#include "platform/qt/CodePages.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <utility>

namespace veltrano {
namespace {

#include "platform/qt/CodePageTables.inc"

struct PageSource {
    int number;
    const char *icuName;
    const char16_t *ownTable;
};

// 1252 first: the default, and the first choice for a character many hold.
constexpr PageSource kSources[] = {
    {1252, "windows-1252", kUpperHalf1252}, {1251, "windows-1251", kUpperHalf1251},
    {1250, "windows-1250", kUpperHalf1250}, {1253, "windows-1253", kUpperHalf1253},
    {1254, "windows-1254", kUpperHalf1254}, {1257, "windows-1257", kUpperHalf1257},
    {1255, "windows-1255", kUpperHalf1255}, {1256, "windows-1256", kUpperHalf1256},
    {1258, "windows-1258", kUpperHalf1258}, {874, "windows-874", kUpperHalf874},
    {866, "IBM866", kUpperHalf866},         {437, "IBM437", kUpperHalf437},
    {850, "IBM850", kUpperHalf850},         {10000, "macintosh", kUpperHalf10000},
};
constexpr size_t kPageCount = std::size(kSources);

using UpperHalf = std::array<char16_t, 128>;

// ICU's characters for the upper half; a byte ICU leaves undefined keeps the
// character of its own value, as Windows does, so it still reads and writes
// back unchanged. Our table when ICU does not know the page at all.
UpperHalf upperHalfOf(const PageSource &source)
{
    UpperHalf half{};
    std::copy(source.ownTable, source.ownTable + 128, half.begin());
    QStringDecoder probe(source.icuName);
    if (!probe.isValid())
        return half;
    for (int i = 0; i < 128; ++i) {
        const char byte = static_cast<char>(0x80 + i);
        QStringDecoder decoder(source.icuName, QStringConverter::Flag::Stateless);
        const QString text = decoder.decode(QByteArrayView(&byte, 1));
        const bool defined = !decoder.hasError() && text.size() == 1 && text.at(0) != QChar::ReplacementCharacter;
        half[size_t(i)] = defined ? text.at(0).unicode() : char16_t(0x80 + i);
    }
    return half;
}

struct CodePage {
    int number = 0;
    UpperHalf upper{};
    // (character, byte) sorted by character, for encoding.
    std::array<std::pair<char16_t, unsigned char>, 128> reverse{};
};

CodePage makePage(const PageSource &source)
{
    CodePage page{source.number, upperHalfOf(source), {}};
    for (int i = 0; i < 128; ++i)
        page.reverse[size_t(i)] = {page.upper[size_t(i)], static_cast<unsigned char>(0x80 + i)};
    std::sort(page.reverse.begin(), page.reverse.end());
    return page;
}

const std::array<CodePage, kPageCount> &codePages()
{
    static const std::array<CodePage, kPageCount> pages = [] {
        std::array<CodePage, kPageCount> made;
        for (size_t i = 0; i < kPageCount; ++i)
            made[i] = makePage(kSources[i]);
        return made;
    }();
    return pages;
}

// Unknown pages fall back to the first, 1252.
size_t pageIndex(int number)
{
    for (size_t i = 0; i < kPageCount; ++i) {
        if (kSources[i].number == number)
            return i;
    }
    return 0;
}

} // namespace

bool isSingleByteCodePage(int codePage)
{
    return std::any_of(std::begin(kSources), std::end(kSources),
                       [codePage](const PageSource &source) { return source.number == codePage; });
}

char16_t decodeCodePageByte(int codePage, unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    return codePages()[pageIndex(codePage)].upper[byte - 0x80];
}

QString decodeCodePage(const QByteArray &bytes, int codePage)
{
    const UpperHalf &upper = codePages()[pageIndex(codePage)].upper;
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte < 0x80 ? char16_t(byte) : upper[byte - 0x80]);
    }
    return text;
}

unsigned char encodeCodePageChar(int codePage, char16_t ch)
{
    if (ch < 0x80)
        return static_cast<unsigned char>(ch);
    const auto &reverse = codePages()[pageIndex(codePage)].reverse;
    const auto it = std::lower_bound(reverse.begin(), reverse.end(), std::pair{ch, static_cast<unsigned char>(0)});
    return it != reverse.end() && it->first == ch ? it->second : 0;
}

bool encodeCodePage(const QString &text, int codePage, QByteArray &out)
{
    const unsigned char *table = encodingTable(codePage);
    out.resize(text.size());
    char *dst = out.data();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        const unsigned char byte = table[u];
        if (byte == 0 && u != 0)
            return false;
        *dst++ = static_cast<char>(byte);
    }
    return true;
}

const unsigned char *encodingTable(int codePage)
{
    using Table = std::array<unsigned char, 0x10000>;
    static std::array<std::once_flag, kPageCount> built;
    static std::array<std::unique_ptr<Table>, kPageCount> tables;
    const size_t index = pageIndex(codePage);
    std::call_once(built[index], [index] {
        auto table = std::make_unique<Table>();
        for (char16_t ch = 0; ch < 0x80; ++ch)
            (*table)[ch] = static_cast<unsigned char>(ch);
        for (const auto &[ch, byte] : codePages()[index].reverse)
            (*table)[ch] = byte;
        tables[index] = std::move(table);
    });
    return tables[index]->data();
}

int codePageHolding(char16_t ch)
{
    for (const CodePage &page : codePages()) {
        if ((page.number >= 1250 || page.number == 874) && encodeCodePageChar(page.number, ch) != 0)
            return page.number;
    }
    return 0;
}

const char16_t *ownUpperHalf(int codePage)
{
    for (const PageSource &source : kSources) {
        if (source.number == codePage)
            return source.ownTable;
    }
    return nullptr;
}

} // namespace veltrano
