#include "common/ui/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace veltrano {
namespace {

// A window of ours kept above all others would cover a box of normal rank.
bool anyWindowStaysOnTop()
{
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return true;
    }
    return false;
}

QMessageBox *openBox(QWidget *owner, QMessageBox::Icon icon, const QString &caption, const QString &text,
                     QMessageBox::StandardButtons buttons)
{
    auto *box = new QMessageBox(icon, caption, text, buttons, owner);
    box->setObjectName(QStringLiteral("MessageBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Names and paths from the disk are shown as they are, never as markup.
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    if (anyWindowStaysOnTop())
        box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}

} // namespace

QtMessageBoxes::QtMessageBoxes(QWidget *owner) : m_owner(owner) {}

QtMessageBoxes::~QtMessageBoxes() = default;

void QtMessageBoxes::notice(const QString &text)
{
    openBox(m_owner, QMessageBox::NoIcon, QString::fromUtf16(kApplicationTitle), text, QMessageBox::Ok);
}

void QtMessageBoxes::bare(const QString &text)
{
    openBox(m_owner, QMessageBox::NoIcon, QString(), text, QMessageBox::Ok);
}

void QtMessageBoxes::error(const QString &text)
{
    openBox(m_owner, QMessageBox::Critical, QString::fromUtf16(kApplicationTitle), text, QMessageBox::Ok);
}

void QtMessageBoxes::confirmNotice(const QString &text)
{
    openBox(m_owner, QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::Ok);
}

void QtMessageBoxes::ask(const QString &text, bool withCancel, Reply then)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    QMessageBox *box = openBox(m_owner, QMessageBox::Question, QStringLiteral("Confirm"), text, buttons);
    QObject::connect(box, &QMessageBox::finished, box, [box, then = std::move(then)] {
        if (!then)
            return;
        switch (box->standardButton(box->clickedButton())) {
        case QMessageBox::Yes: then(Answer::Yes); break;
        case QMessageBox::No: then(Answer::No); break;
        default: then(Answer::Cancel); break;
        }
    });
}

MessageBoxes &QtMessageBoxes::about(const QObject *window)
{
    auto *widget = qobject_cast<QWidget *>(const_cast<QObject *>(window));
    if (!widget)
        return *this;
    auto &slot = m_perWindow[window];
    if (!slot) {
        slot = std::make_unique<QtMessageBoxes>(widget->window());
        QObject::connect(window, &QObject::destroyed, &m_guard, [this, window] { m_perWindow.erase(window); });
    }
    return *slot;
}

} // namespace veltrano
