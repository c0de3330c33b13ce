#include "platform/windows/AnsiCodePageCodec.h"

#include "platform/qt/Utf8SystemCodec.h"
#include "platform/win32/Win32Text.h"

#include <QtEndian>

#include <windows.h>

namespace veltrano {
namespace {

QString decodeUtf16(QByteArrayView bytes, bool little)
{
    QString text(bytes.size() / 2 + bytes.size() % 2, Qt::Uninitialized);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text[i / 2] = QChar(little ? qFromLittleEndian<char16_t>(bytes.data() + i)
                                   : qFromBigEndian<char16_t>(bytes.data() + i));
    if (bytes.size() % 2)
        text.back() = QChar::ReplacementCharacter;
    return text;
}

QByteArray encodeUtf16(const QString &text, bool little)
{
    QByteArray bytes(2 + text.size() * 2, Qt::Uninitialized);
    char *out = bytes.data();
    *out++ = little ? '\xFF' : '\xFE';
    *out++ = little ? '\xFE' : '\xFF';
    for (const QChar ch : text) {
        if (little)
            qToLittleEndian<char16_t>(ch.unicode(), out);
        else
            qToBigEndian<char16_t>(ch.unicode(), out);
        out += 2;
    }
    return bytes;
}

} // namespace

AnsiCodePageCodec::AnsiCodePageCodec(unsigned codePage) : m_codePage(codePage) {}

QString AnsiCodePageCodec::decodeIn(unsigned codePage, const QByteArray &bytes) const
{
    if (bytes.isEmpty())
        return {};
    const int length = MultiByteToWideChar(codePage, 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(codePage, 0, bytes.constData(), int(bytes.size()),
                        reinterpret_cast<wchar_t *>(text.data()), length);
    return text;
}

bool AnsiCodePageCodec::encodeIn(unsigned codePage, const QString &text, QByteArray &out) const
{
    if (text.isEmpty()) {
        out.clear();
        return true;
    }
    BOOL usedDefault = FALSE;
    // No best fit: "ő" must not quietly become "o".
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide(text), int(text.size()), nullptr, 0,
                                           nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    out.resize(length);
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide(text), int(text.size()), out.data(), length, nullptr,
                        nullptr);
    return decodeIn(codePage, out) == text;
}

DecodedText AnsiCodePageCodec::decode(const QByteArray &bytes) const
{
    if (bytes.startsWith("\xFF\xFE"))
        return {decodeUtf16(QByteArrayView(bytes).sliced(2), true), TextEncoding::Utf16LE};
    if (bytes.startsWith("\xFE\xFF"))
        return {decodeUtf16(QByteArrayView(bytes).sliced(2), false), TextEncoding::Utf16BE};
    return {decodeIn(m_codePage, bytes), TextEncoding::System};
}

QByteArray AnsiCodePageCodec::encode(const QString &text, TextEncoding encoding) const
{
    if (encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE)
        return encodeUtf16(text, encoding == TextEncoding::Utf16LE);
    const unsigned page = encoding == TextEncoding::System ? m_codePage : unsigned(codePageOf(encoding));
    QByteArray bytes;
    // A legacy page's bytes must also read back as the same text in the
    // system's page, which is how the next read takes them.
    if (encodeIn(page, text, bytes) && decode(bytes).text == text)
        return bytes;
    if (page != m_codePage && encodeIn(m_codePage, text, bytes) && decode(bytes).text == text)
        return bytes;
    return encodeUtf16(text, true);
}

} // namespace veltrano
