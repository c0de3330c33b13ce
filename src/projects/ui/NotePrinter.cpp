#include "projects/ui/NotePrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace veltrano {

PrintModulePrinter::PrintModulePrinter(ModalDialogs &dialogs, QWidget *parent, QStringList folders)
    : m_dialogs(dialogs), m_parent(parent), m_folders(std::move(folders))
{
}

// The module stays loaded to the end: Qt's print support keeps state of its
// own (printer plugins) that must not lose its code under it.
PrintModulePrinter::~PrintModulePrinter()
{
    delete m_module;
}

QStringList PrintModulePrinter::defaultFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../lib/veltrano"))};
}

PrintModulePrinter::PrintFunction PrintModulePrinter::load(QString &why)
{
    if (m_print)
        return m_print;
    for (const QString &folder : std::as_const(m_folders)) {
        auto *module = new QLibrary(folder + QStringLiteral("/veltrano-print"));
        if (auto print = reinterpret_cast<PrintFunction>(module->resolve("veltranoPrintNote"))) {
            m_module = module;
            m_print = print;
            return m_print;
        }
        why = module->errorString();
        delete module;
    }
    return nullptr;
}

NotePrinter::Outcome PrintModulePrinter::print(const QTextDocument &doc, const QString &jobTitle,
                                               const QString &fileName)
{
    QString why = QStringLiteral("the printing module is missing");
    const PrintFunction printNote = load(why);
    if (!printNote)
        return {Result::Unavailable, QStringLiteral("Printing is not available: ") + why};
    printNote(&m_dialogs, &doc, &jobTitle, &fileName, m_parent);
    return {Result::Opened, {}};
}

} // namespace veltrano
