// libFuzzer target for the note reader. Besides crashes and sanitizer reports
// it checks one property: whatever the reader recovered, the writer writes it
// so that reading it again gives the same text.
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

#include <QCoreApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     static_cast<qsizetype>(size));
    QTextDocument doc;
    if (!veltrano::readRtf(input, doc))
        return 0;
    const QByteArray written = veltrano::writeRtf(doc);
    QTextDocument again;
    if (!veltrano::readRtf(written, again) || again.toRawText() != doc.toRawText()) {
        std::fprintf(stderr, "round trip changed the text\n");
        std::abort();
    }
    return 0;
}
