#pragma once
// The interface between the note printer and the module that carries Qt's
// print support.
#include <QString>
#include <QtPlugin>

class QTextDocument;
class QWidget;

namespace veltrano {

class ModalDialogs;

class NotePrintPlugin {
public:
    virtual ~NotePrintPlugin() = default;
    // Opens the printer dialog through `dialogs` and returns; the document is
    // printed under `jobTitle` once the user confirms. `fileName` is what the
    // dialog proposes when the note goes to a PDF file.
    virtual void print(ModalDialogs &dialogs, const QTextDocument &doc, const QString &jobTitle,
                       const QString &fileName, QWidget *parent) = 0;
};

} // namespace veltrano

#define VELTRANO_NOTE_PRINT_IID "org.veltrano.NotePrintPlugin/1"
Q_DECLARE_INTERFACE(veltrano::NotePrintPlugin, VELTRANO_NOTE_PRINT_IID)
