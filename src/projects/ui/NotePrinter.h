#pragma once
#include "platform/qt/ModuleLoader.h"

#include <QString>
#include <QStringList>

class QTextDocument;
class QWidget;

namespace veltrano {

class ModalDialogs;

// Prints a note: opens the printer dialog and returns; once the user confirms
// it, the document goes to the printer chosen under the given job title. A
// seam, so tests never meet a real printer.
class NotePrinter {
public:
    enum class Result { Opened, Unavailable };
    struct Outcome {
        Result result = Result::Opened;
        QString message; // why printing is not available
    };
    virtual ~NotePrinter() = default;
    // `fileName`: what to propose should the user print to a file.
    virtual Outcome print(const QTextDocument &doc, const QString &jobTitle, const QString &fileName) = 0;
};

// Printing lives in a module of its own (veltrano-print), with Qt's print
// support behind it: both are loaded the first time a note is printed, so
// start-up pays for neither.
class PrintModulePrinter final : public NotePrinter {
public:
    // The module is looked for in `folders`, in order (empty: the program's
    // own places).
    PrintModulePrinter(ModalDialogs &dialogs, QWidget *parent, QStringList folders = {});
    ~PrintModulePrinter() override;
    Outcome print(const QTextDocument &doc, const QString &jobTitle, const QString &fileName) override;


private:
    ModalDialogs &m_dialogs;
    QWidget *m_parent;
    ModuleLoader m_module;
};

} // namespace veltrano
