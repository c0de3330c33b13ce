#include "platform/qt/CodePages.h"

#include <windows.h>

namespace veltrano {

// One character at a time, so that a byte sequence the page has no character
// for becomes one U+FFFD in its place and the text after it stays as it is.
std::optional<QString> decodeDoubleByteBySystem(QByteArrayView bytes, int codePage)
{
    const auto page = static_cast<UINT>(codePage);
    if (!IsValidCodePage(page))
        return std::nullopt;
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const auto byte = static_cast<BYTE>(bytes[i]);
        const int length = IsDBCSLeadByteEx(page, byte) && i + 1 < bytes.size() ? 2 : 1;
        wchar_t out[2];
        const int made = MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data() + i, length, out, 2);
        if (made > 0)
            text.append(QString::fromWCharArray(out, made));
        else
            text.append(QChar(0xFFFD));
        i += length;
    }
    return text;
}

} // namespace veltrano
