#include "projects/logic/rtf/RtfCodePages.h"

#include "platform/TextCodec.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <utility>

namespace veltrano::rtf {
namespace {

#include "projects/logic/rtf/RtfCodePageTables.inc"

using UpperHalf = std::array<char16_t, 128>;

UpperHalf fromPlatform(TextEncoding page)
{
    QByteArray bytes(128, Qt::Uninitialized);
    for (int i = 0; i < 128; ++i)
        bytes[i] = static_cast<char>(0x80 + i);
    const QString text = decodeWindowsCodePage(bytes, page);
    UpperHalf half{};
    for (int i = 0; i < 128 && i < text.size(); ++i)
        half[i] = text.at(i).unicode();
    return half;
}

UpperHalf fromTable(const char16_t (&table)[128])
{
    UpperHalf half{};
    std::copy(std::begin(table), std::end(table), half.begin());
    return half;
}

struct CodePage {
    int number;
    UpperHalf upper;
    // (character, byte) sorted by character, for encoding.
    std::array<std::pair<char16_t, unsigned char>, 128> reverse;
};

CodePage makePage(int number, const UpperHalf &upper)
{
    CodePage page{number, upper, {}};
    for (int i = 0; i < 128; ++i)
        page.reverse[i] = {upper[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(page.reverse.begin(), page.reverse.end());
    return page;
}

constexpr size_t kPageCount = 14;

const std::array<CodePage, kPageCount> &codePages()
{
    static const std::array<CodePage, kPageCount> pages = {
        makePage(1252, fromPlatform(TextEncoding::Windows1252)),
        makePage(1251, fromPlatform(TextEncoding::Windows1251)),
        makePage(1250, fromPlatform(TextEncoding::Windows1250)),
        makePage(1253, fromTable(kRtfUpperHalf1253)),
        makePage(1254, fromTable(kRtfUpperHalf1254)),
        makePage(1257, fromTable(kRtfUpperHalf1257)),
        makePage(1255, fromTable(kRtfUpperHalf1255)),
        makePage(1256, fromTable(kRtfUpperHalf1256)),
        makePage(1258, fromTable(kRtfUpperHalf1258)),
        makePage(874, fromTable(kRtfUpperHalf874)),
        makePage(866, fromTable(kRtfUpperHalf866)),
        makePage(437, fromTable(kRtfUpperHalf437)),
        makePage(850, fromTable(kRtfUpperHalf850)),
        makePage(10000, fromTable(kRtfUpperHalf10000)),
    };
    return pages;
}

size_t pageIndex(int number)
{
    const auto &pages = codePages();
    for (size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].number == number)
            return i;
    }
    return 0;
}

const CodePage &pageOrDefault(int number)
{
    return codePages()[pageIndex(number)];
}

constexpr std::pair<int, int> kCharsets[] = {
    {0, 1252}, {77, 10000}, {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255},
    {178, 1256}, {186, 1257}, {204, 1251}, {222, 874}, {238, 1250}, {254, 437},
    {128, 932}, {129, 949}, {134, 936}, {136, 950},
};

} // namespace

int codePageOfCharset(int charset)
{
    for (const auto &[set, page] : kCharsets) {
        if (set == charset)
            return page;
    }
    return 0;
}

int charsetOfCodePage(int codePage)
{
    for (const auto &[set, page] : kCharsets) {
        if (page == codePage)
            return set;
    }
    return 0;
}

bool isDoubleByteCodePage(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

bool isDoubleByteLead(int codePage, unsigned char byte)
{
    if (codePage == 932)
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    return isDoubleByteCodePage(codePage) && byte >= 0x81 && byte <= 0xFE;
}

char16_t decodeCodePageByte(int codePage, unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    return pageOrDefault(codePage).upper[byte - 0x80];
}

unsigned char encodeCodePageChar(int codePage, char16_t ch)
{
    if (ch < 0x80)
        return static_cast<unsigned char>(ch);
    const auto &reverse = pageOrDefault(codePage).reverse;
    const auto it = std::lower_bound(reverse.begin(), reverse.end(), std::pair{ch, static_cast<unsigned char>(0)});
    return it != reverse.end() && it->first == ch ? it->second : 0;
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

} // namespace veltrano::rtf
