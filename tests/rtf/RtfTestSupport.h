#pragma once
#include <QByteArray>
#include <QString>
#include <QTextCharFormat>
#include <QTextBlockFormat>
#include <memory>

class QTextDocument;

namespace veltrano::test {

// The codec needs no window system, but the note editor runs under a
// QGuiApplication, and fonts and images behave as there only with one.
void ensureGuiApplication();

QByteArray readFixture(const QString &name);
std::unique_ptr<QTextDocument> loadFixture(const QString &name);
std::unique_ptr<QTextDocument> loadRtf(const QByteArray &rtf);
// The text the reader recovers from `rtf`.
QString readText(const QByteArray &rtf);
// Writes and reads back.
std::unique_ptr<QTextDocument> roundTrip(const QTextDocument &doc);

// The format of the first occurrence of `text`; the test fails when it is missing.
QTextCharFormat charFormatOf(const QTextDocument &doc, const QString &text);
QTextBlockFormat blockFormatOf(const QTextDocument &doc, const QString &text);

} // namespace veltrano::test
