#include "passwords/ui/PasswordGeneratorDialog.h"

#include "common/ui/Hints.h"
#include "common/ui/ModalDialogs.h"
#include "passwords/logic/PasswordGenerator.h"

#include <QLineEdit>
#include <QPushButton>

namespace veltrano {
namespace {

QPushButton *passwordButton(QWidget *dialog, const char *name, const QString &caption, QPoint at)
{
    auto *button = named(new QPushButton(caption, dialog), name);
    button->setGeometry(QRect(at, QSize(75, 25)));
    // Enter in the edit does not press a button; only a click or Esc acts.
    button->setAutoDefault(false);
    return button;
}

} // namespace

PasswordGeneratorDialog::PasswordGeneratorDialog(ModalDialogs &dialogs, GuidSource source)
    : SmallDialog("frmPasswordGenerator", QString::fromUtf16(kPasswordGeneratorCaption),
                  kPasswordGeneratorClientSize),
      m_dialogs(dialogs), m_source(std::move(source))
{
    // Laid out in pixels for this font, so it is not scaled with the system's.
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    setFont(tahoma);
    createControls();
}

void PasswordGeneratorDialog::createControls()
{
    m_password = named(new QLineEdit(QStringLiteral("Edit1"), this), "Edit1");
    m_password->setGeometry(8, 8, 397, 21);
    m_password->setAccessibleName(QStringLiteral("Password"));
    connect(passwordButton(this, "ButtonGenerator", QStringLiteral("GUID"), {420, 8}), &QPushButton::clicked, this,
            &PasswordGeneratorDialog::onGenerate);
    connect(passwordButton(this, "ButtonClose", QStringLiteral("Close"), {420, 40}), &QPushButton::clicked, this,
            &PasswordGeneratorDialog::closeDialog);
}

void PasswordGeneratorDialog::openWithNewPassword()
{
    generate();
    m_password->setFocus();
    m_dialogs.open(*this);
}

void PasswordGeneratorDialog::onGenerate()
{
    generate();
}

void PasswordGeneratorDialog::closeDialog()
{
    reject();
}

// Selected, so one copy takes the whole value.
QString PasswordGeneratorDialog::password() const
{
    return m_password->text();
}

void PasswordGeneratorDialog::generate()
{
    m_password->setText(GeneratePasswordText(m_source));
    m_password->selectAll();
}

} // namespace veltrano
