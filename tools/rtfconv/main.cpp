// rtfconv: gets notes out of the program's RTF, and checks the codec from outside.
//   rtfconv --to text FILE   the note's plain text, UTF-8
//   rtfconv --to html FILE   the note as HTML (pictures inline)
//   rtfconv --to rtf FILE    an .rtf, .html or .txt file as the program writes RTF
#include "platform/qt/Utf8SystemCodec.h"
#include "projects/logic/rtf/RtfReader.h"
#include "projects/logic/rtf/RtfWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace veltrano;

namespace {

enum class Kind { Rtf, Html, Text };

Kind inputKind(const QString &path, const QByteArray &data)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"rtf"_s)
        return Kind::Rtf;
    if (suffix == u"html"_s || suffix == u"htm"_s)
        return Kind::Html;
    if (suffix == u"txt"_s)
        return Kind::Text;
    if (data.trimmed().startsWith("{\\rtf"))
        return Kind::Rtf;
    return data.left(1024).toLower().contains("<html") ? Kind::Html : Kind::Text;
}

void fail(const QString &message)
{
    std::fprintf(stderr, "rtfconv: %s\n", message.toLocal8Bit().constData());
}

bool load(const QString &path, QTextDocument &doc)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(u"cannot read %1: %2"_s.arg(path, file.errorString()));
        return false;
    }
    const QByteArray data = file.readAll();
    switch (inputKind(path, data)) {
    case Kind::Rtf:
        if (!readRtf(data, doc)) {
            fail(u"cannot read %1: not an RTF file"_s.arg(path));
            return false;
        }
        return true;
    case Kind::Html:
        doc.setHtml(QString::fromUtf8(data));
        return true;
    case Kind::Text:
        doc.setPlainText(Utf8SystemCodec().decode(data).text);
        return true;
    }
    return false;
}

// Pictures are resources of the document; HTML on its own carries them as data URLs.
void inlinePictures(QTextDocument &doc)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QByteArray data = doc.resource(QTextDocument::ImageResource, QUrl(image.name())).toByteArray();
            if (data.isEmpty())
                continue;
            const char *type = data.startsWith("\x89PNG") ? "image/png" : "image/jpeg";
            image.setName(u"data:%1;base64,%2"_s.arg(QLatin1String(type), QLatin1String(data.toBase64())));
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}

QByteArray convert(QTextDocument &doc, const QString &to)
{
    if (to == u"rtf"_s)
        return writeRtf(doc);
    if (to == u"html"_s) {
        inlinePictures(doc);
        return doc.toHtml().toUtf8() + '\n';
    }
    QString text = doc.toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    return text.toUtf8() + '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QStringList formats = {u"text"_s, u"html"_s, u"rtf"_s};
    if (args.size() != 4 || args.at(1) != u"--to"_s || !formats.contains(args.at(2))) {
        std::fprintf(stderr, "usage: rtfconv --to text|html|rtf FILE\n");
        return 2;
    }
    QTextDocument doc;
    if (!load(args.at(3), doc))
        return 1;
    const QByteArray out = convert(doc, args.at(2));
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
