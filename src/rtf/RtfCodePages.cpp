#include "rtf/RtfCodePages.h"

#include <utility>

namespace veltrano::rtf {
namespace {

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

} // namespace veltrano::rtf
