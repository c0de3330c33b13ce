#include "rtf/RtfPicture.h"

#include "rtf/RtfReaderState.h"
#include "rtf/RtfTokenizer.h"

#include <QBuffer>
#include <QImageReader>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <cmath>

using namespace Qt::StringLiterals;

namespace veltrano::rtf {
namespace {

// The shown length in pixels for a goal in twips and a scale in percent.
double shownLength(int goalTwips, int scalePercent, int natural)
{
    const double base = goalTwips > 0 ? goalTwips / kTwipsPerPixel : natural;
    const int scale = scalePercent > 0 && scalePercent <= 10000 ? scalePercent : 100;
    return base * scale / 100.0;
}

} // namespace

void RtfPicture::start()
{
    *this = RtfPicture();
}

void RtfPicture::addHex(QByteArrayView digits)
{
    if (m_format != Format::Png && m_format != Format::Jpeg)
        return; // no need to keep data that will not be shown
    m_data.reserve(m_data.size() + digits.size() / 2);
    for (char c : digits) {
        const int value = hexDigitValue(c);
        if (value < 0)
            continue;
        if (m_pendingNibble < 0) {
            m_pendingNibble = value;
        } else {
            m_data.append(static_cast<char>(m_pendingNibble * 16 + value));
            m_pendingNibble = -1;
        }
    }
}

bool RtfPicture::insertAt(QTextCursor &cursor, int serial) const
{
    if (m_format != Format::Png && m_format != Format::Jpeg)
        return false;
    QByteArray data = m_data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, m_format == Format::Png ? "png" : "jpeg");
    const QSize natural = reader.size();
    if (!natural.isValid() || natural.isEmpty())
        return false;

    QTextDocument *doc = cursor.document();
    const QString name = u"rtf-image-%1"_s.arg(serial);
    // The encoded bytes are the resource: the editor decodes them when it
    // paints, and saving writes them back without encoding them again.
    doc->addResource(QTextDocument::ImageResource, QUrl(name), m_data);
    QTextImageFormat format;
    format.setName(name);
    const double width = shownLength(m_goalWidth, m_scaleX, natural.width());
    const double height = shownLength(m_goalHeight, m_scaleY, natural.height());
    if (std::abs(width - natural.width()) >= 0.5 || std::abs(height - natural.height()) >= 0.5) {
        format.setWidth(width);
        format.setHeight(height);
    }
    cursor.insertImage(format);
    return true;
}

} // namespace veltrano::rtf
