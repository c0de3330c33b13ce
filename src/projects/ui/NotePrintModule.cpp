// The printing module, loaded by PrintModulePrinter the first time a note is
// printed: Qt's print support and the printer dialog, none of it at start-up.
#include "common/ui/ModalDialogs.h"
#include "projects/ui/NotePrintPlugin.h"

#include <QObject>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace veltrano {

class NotePrintModule final : public QObject, public NotePrintPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELTRANO_NOTE_PRINT_IID)
    Q_INTERFACES(veltrano::NotePrintPlugin)
public:
    void print(ModalDialogs &dialogs, const QTextDocument &doc, const QString &jobTitle, const QString &fileName,
               QWidget *parent) override
    {
        auto *printer = new QPrinter(QPrinter::HighResolution);
        // The dialog names its PDF file after the document; the job's title,
        // with its colon and backslashes, would make an awkward file name.
        printer->setDocName(fileName);
        auto *dialog = new QPrintDialog(printer, parent);
        dialog->setObjectName(QStringLiteral("PrinterSetupDialog"));
        dialog->setWindowTitle(QStringLiteral("Print"));
        // The printer goes with the dialog that uses it.
        QObject::connect(dialog, &QObject::destroyed, [printer] { delete printer; });
        const QPointer<const QTextDocument> document(&doc);
        dialogs.open(*dialog, [dialog, printer, document, title = jobTitle](int result) {
            if (result == QDialog::Accepted && document) {
                // The dialog may have put another printer in place; the title is ours.
                printer->setDocName(title);
                document->print(printer);
            }
            dialog->deleteLater();
        });
    }
};

} // namespace veltrano

#include "NotePrintModule.moc"
