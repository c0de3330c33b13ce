#include "rtf/RtfDoubleByteText.h"

#include "rtf/RtfCodePages.h"

#include <utility>

namespace veltrano::rtf {
namespace {

// The Windows variants: the notes were written by Windows, whose pages add
// characters to the national standards (cp949's Hangul beyond EUC-KR, cp932's
// NEC and IBM rows).
const char *decoderName(int codePage)
{
    switch (codePage) {
    case 932: return "windows-31j";
    case 936: return "windows-936";
    case 949: return "windows-949";
    case 950: return "windows-950";
    default: return nullptr;
    }
}

constexpr char16_t kReplacement = 0xFFFD;
// What ICU's converters put for a byte sequence the page has no character for.
constexpr char16_t kSubstitute = 0x001A;

} // namespace

void DoubleByteText::add(int codePage, unsigned char byte)
{
    if (codePage != m_codePage) {
        m_bytes.clear();
        m_codePage = codePage;
        m_awaitsTrail = false;
    }
    m_bytes.append(static_cast<char>(byte));
    m_awaitsTrail = !m_awaitsTrail && isDoubleByteLead(codePage, byte);
}

QString DoubleByteText::take()
{
    QByteArrayView bytes = m_bytes;
    const bool cutShort = std::exchange(m_awaitsTrail, false);
    if (cutShort)
        bytes.chop(1); // a stateless decoder would drop it without a trace
    if (m_decoderPage != m_codePage) {
        const char *name = decoderName(m_codePage);
        m_decoder = name ? QStringDecoder(name, QStringDecoder::Flag::Stateless) : QStringDecoder();
        m_decoderPage = m_codePage;
    }
    QString text;
    if (m_decoder.isValid()) {
        text = m_decoder.decode(bytes);
        if (!bytes.contains(static_cast<char>(kSubstitute)))
            text.replace(QChar(kSubstitute), QChar(kReplacement));
    } else {
        text = decodeWithoutDecoder(bytes);
    }
    if (cutShort)
        text.append(QChar(kReplacement));
    m_bytes.clear();
    return text;
}

// Qt built without ICU (on Windows) has no decoder for these pages: the
// system reads them, and where it cannot, each character still takes up one
// place.
QString DoubleByteText::decodeWithoutDecoder(QByteArrayView bytes) const
{
    if (std::optional<QString> bySystem = decodeDoubleByteBySystem(bytes, m_codePage))
        return *std::move(bySystem);
    QString text;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (isDoubleByteLead(m_codePage, byte)) {
            text.append(QChar(kReplacement));
            ++i;
        } else {
            text.append(QChar(decodeCodePageByte(m_codePage, byte)));
        }
    }
    return text;
}

} // namespace veltrano::rtf
