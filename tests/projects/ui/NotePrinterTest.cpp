// Printing through the module the program loads when a note is first
// printed: the printer dialog goes through the dialog seam, the document goes
// to the printer chosen there (a PDF file here) under the job title.
#include "projects/ui/NotePrinter.h"

#include "support/FakeModalDialogs.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace veltrano;
using namespace veltrano::test;

namespace {

// The title as a PDF's Info dictionary holds it: a literal string of UTF-16
// with a byte order mark, backslashes and parentheses escaped.
QByteArray pdfTextString(const QString &text)
{
    QByteArray literal("(\xfe\xff", 3);
    for (const QChar ch : text) {
        for (const char byte : {char(ch.unicode() >> 8), char(ch.unicode() & 0xff)}) {
            if (byte == '\\' || byte == '(' || byte == ')')
                literal.append('\\');
            literal.append(byte);
        }
    }
    return literal + ')';
}

TEST(NotePrinter, PrintsTheNoteUnderItsJobTitleOnThePrinterChosen)
{
    TempFolder dir;
    const QString pdf = dir.file(QStringLiteral("note.pdf"));
    FakeModalDialogs dialogs;
    dialogs.answer = [&](QDialog &dialog) {
        auto *printDialog = qobject_cast<QPrintDialog *>(&dialog);
        ASSERT_NE(printDialog, nullptr);
        EXPECT_EQ(printDialog->printer()->docName(), QStringLiteral("Alpha"));
        printDialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        printDialog->printer()->setOutputFileName(pdf);
    };
    PrintModulePrinter printer(dialogs, nullptr, {QStringLiteral(VELTRANO_PRINT_MODULE_DIR)});
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("Buy paper"));
    const QString title = QStringLiteral("Current Project : Projects Group\\Alpha\\");

    // Cancelled: nothing printed.
    EXPECT_EQ(printer.print(doc, title, QStringLiteral("Alpha")).result, NotePrinter::Result::Opened);
    EXPECT_FALSE(QFile::exists(pdf));

    dialogs.results = {QDialog::Accepted};
    EXPECT_EQ(printer.print(doc, title, QStringLiteral("Alpha")).result, NotePrinter::Result::Opened);
    EXPECT_EQ(dialogs.ran, (QStringList{QStringLiteral("PrinterSetupDialog"), QStringLiteral("PrinterSetupDialog")}));
    const QByteArray printed = dir.read(QStringLiteral("note.pdf"));
    ASSERT_TRUE(printed.startsWith("%PDF"));
    EXPECT_TRUE(printed.contains(QByteArray("/Title " + pdfTextString(title))));
}

TEST(NotePrinter, MissingModuleIsReportedNotCrashedOn)
{
    FakeModalDialogs dialogs;
    PrintModulePrinter printer(dialogs, nullptr, {QStringLiteral("/nonexistent")});
    QTextDocument doc;
    const NotePrinter::Outcome outcome = printer.print(doc, QStringLiteral("x"), QStringLiteral("x"));
    EXPECT_EQ(outcome.result, NotePrinter::Result::Unavailable);
    EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("Printing is not available: ")));
    EXPECT_TRUE(dialogs.ran.isEmpty());
}

} // namespace
