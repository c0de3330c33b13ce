#include "projects/ui/NotePrinter.h"

#include "projects/ui/NotePrintPlugin.h"

namespace veltrano {

PrintModulePrinter::PrintModulePrinter(ModalDialogs &dialogs, QWidget *parent, QStringList folders)
    : m_dialogs(dialogs), m_parent(parent), m_module(QStringLiteral("veltrano-print"), std::move(folders))
{
}

// The module stays loaded to the end: Qt's print support keeps state of its
// own (printer plugins) that must not lose its code under it.
PrintModulePrinter::~PrintModulePrinter() = default;

NotePrinter::Outcome PrintModulePrinter::print(const QTextDocument &doc, const QString &jobTitle,
                                               const QString &fileName)
{
    auto *module = qobject_cast<NotePrintPlugin *>(m_module.instance());
    if (!module)
        return {Result::Unavailable, QStringLiteral("Printing is not available: ") + m_module.why()};
    module->print(m_dialogs, doc, jobTitle, fileName, m_parent);
    return {Result::Opened, {}};
}

} // namespace veltrano
