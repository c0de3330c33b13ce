// The printing module, loaded by PrintModulePrinter the first time a note is
// printed: Qt's print support and the printer dialog, none of it at start-up.
#include "common/ui/ModalDialogs.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

// 1 when printed, 0 when the user cancelled the printer dialog. `fileName`
// is what the dialog proposes when the note goes to a PDF file.
extern "C" Q_DECL_EXPORT int veltranoPrintNote(veltrano::ModalDialogs *dialogs, const QTextDocument *doc,
                                               const QString *jobTitle, const QString *fileName, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    // The dialog names its PDF file after the document; the job's title,
    // with its colon and backslashes, would make an awkward file name.
    printer.setDocName(*fileName);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialogs->exec(dialog) != QDialog::Accepted)
        return 0;
    // The dialog may have put another printer in place; the title is ours.
    printer.setDocName(*jobTitle);
    doc->print(&printer);
    return 1;
}
