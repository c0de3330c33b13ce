#include "common/ui/QtMessageBoxes.h"

#include <QMessageBox>

namespace veltrano {
namespace {

QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString &caption, const QString &text,
                                    QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons);
    box.setObjectName(QStringLiteral("MessageBox"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtMessageBoxes::notice(const QString &text)
{
    showBox(QMessageBox::NoIcon, QString::fromUtf16(kApplicationTitle), text, QMessageBox::Ok);
}

void QtMessageBoxes::bare(const QString &text)
{
    showBox(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok);
}

void QtMessageBoxes::error(const QString &text)
{
    showBox(QMessageBox::Critical, QString::fromUtf16(kApplicationTitle), text, QMessageBox::Ok);
}

void QtMessageBoxes::confirmNotice(const QString &text)
{
    showBox(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::Ok);
}

MessageBoxes::Answer QtMessageBoxes::ask(const QString &text, bool withCancel)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    switch (showBox(QMessageBox::Question, QStringLiteral("Confirm"), text, buttons)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

} // namespace veltrano
