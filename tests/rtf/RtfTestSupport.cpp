#include "RtfTestSupport.h"

#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace veltrano::test {

void ensureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "rtf_tests";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

QByteArray readFixture(const QString &name)
{
    QFile file(QStringLiteral(RTF_FIXTURES_DIR "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

std::unique_ptr<QTextDocument> loadRtf(const QByteArray &rtf)
{
    ensureGuiApplication();
    auto doc = std::make_unique<QTextDocument>();
    EXPECT_TRUE(readRtf(rtf, *doc));
    return doc;
}

QString readText(const QByteArray &rtf)
{
    return loadRtf(rtf)->toPlainText();
}

std::unique_ptr<QTextDocument> loadFixture(const QString &name)
{
    return loadRtf(readFixture(name));
}

std::unique_ptr<QTextDocument> roundTrip(const QTextDocument &doc)
{
    return loadRtf(writeRtf(doc));
}

static QTextCursor find(const QTextDocument &doc, const QString &text)
{
    const QTextCursor cursor = doc.find(text, 0, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(cursor.isNull()) << "missing: " << text.toStdString() << " in "
                                  << doc.toPlainText().toStdString();
    return cursor;
}

QTextCharFormat charFormatOf(const QTextDocument &doc, const QString &text)
{
    return find(doc, text).charFormat();
}

QTextBlockFormat blockFormatOf(const QTextDocument &doc, const QString &text)
{
    return find(doc, text).blockFormat();
}

} // namespace veltrano::test
