// The codec's pictures in a process with no GUI application, as rtfconv runs
// it: Qt's own picture loading makes pixmaps there, which aborts the process.
#include "rtf/RtfPictureResources.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace veltrano;

namespace {

QByteArray redPng()
{
    QFile file(QStringLiteral(RTF_FIXTURES_DIR "/red.png"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// The picture bytes as the writer puts them into \pict: hex, 64 bytes a line.
QByteArray pictHex(const QByteArray &bytes)
{
    QByteArray hex;
    for (qsizetype i = 0; i < bytes.size(); i += 64)
        hex += bytes.mid(i, 64).toHex() + "\r\n";
    return hex.chopped(2);
}

QString dataUrl(const QByteArray &bytes)
{
    return u"data:image/png;base64,"_s + QString::fromLatin1(bytes.toBase64());
}

TEST(RtfWithoutGui, SamePictureTwiceReadAndWritten)
{
    const QByteArray hex = redPng().toHex();
    const QByteArray rtf = "{\\rtf1\\ansi {\\pict\\pngblip " + hex + "}{\\pict\\pngblip " + hex + "}}";
    QTextDocument doc;
    ASSERT_TRUE(readRtf(rtf, doc));
    const QByteArray written = writeRtf(doc);
    EXPECT_EQ(written.count(pictHex(redPng())), 2);
}

TEST(RtfWithoutGui, PicturesNamedByDataUrlsAreWrittenAsGiven)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextImageFormat image;
    image.setName(dataUrl(redPng()));
    cursor.insertImage(image);
    cursor.insertImage(image);
    // A percent-encoded payload, as some pages carry it.
    image.setName(u"data:image/png;base64,"_s
                  + QString::fromLatin1(redPng().toBase64().replace("+", "%2B").replace("/", "%2F")));
    cursor.insertImage(image);
    EXPECT_EQ(writeRtf(doc).count(pictHex(redPng())), 3);
}

TEST(RtfWithoutGui, HtmlPageWithPicturesBecomesRtf)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile picture(dir.filePath(u"red.png"_s));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(redPng());
    picture.close();
    const QString page = dir.filePath(u"page.html"_s);

    PictureDocument doc;
    doc.setBaseUrl(QUrl::fromLocalFile(page));
    doc.setHtml(u"<p>file <img src=\"red.png\"> data <img src=\""_s + dataUrl(redPng())
                + u"\"> missing <img src=\"gone.png\"> remote <img src=\"https://example.org/a.png\"></p>"_s);
    const QByteArray rtf = writeRtf(doc);
    EXPECT_EQ(rtf.count(pictHex(redPng())), 2);
    EXPECT_EQ(rtf.count("\\pict"), 2);

    QTextDocument back;
    ASSERT_TRUE(readRtf(rtf, back));
    EXPECT_EQ(back.toPlainText().count(QChar::ObjectReplacementCharacter), 2);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
