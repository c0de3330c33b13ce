#include "projects/ui/StructureDialog.h"

#include "common/ui/AppPictures.h"
#include "common/ui/Hints.h"
#include "projects/ui/ElidedLabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace veltrano {
namespace {

constexpr int kMargin = 8;
constexpr int kPictureSize = 32;
constexpr int kFieldLeft = 48;
constexpr int kFieldWidth = 374;
constexpr QSize kButtonSize(75, 25);

} // namespace

StructureDialog::StructureDialog(const Design &design)
    : SmallDialog(design.name, QString::fromUtf8(design.caption), design.client, Centred::FirstTime)
{
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    createControls(design);
}

void StructureDialog::createControls(const Design &design)
{
    addPicture(appPicture(QLatin1String(design.picture)), QRect(kMargin, kMargin, kPictureSize, kPictureSize),
               kPictureSize);
    m_prompt = named(new QLabel(QString::fromUtf8(design.label1), this), "Label1");
    // The renamer shows a folder's name here, which may look like markup.
    m_prompt->setTextFormat(Qt::PlainText);
    m_prompt->setGeometry(kFieldLeft, kMargin, kFieldWidth, 16);
    if (design.withEdit) {
        m_nameEdit = named(new QLineEdit(this), "Edit1");
        m_nameEdit->setGeometry(kFieldLeft, kMargin + 20, kFieldWidth, 22);
        m_nameEdit->setAccessibleName(QStringLiteral("Name"));
        m_prompt->setBuddy(m_nameEdit);
    } else {
        m_pathLabel = named(new ElidedLabel(QString(), this), "Label2");
        m_pathLabel->setGeometry(kFieldLeft, kMargin + 20, kFieldWidth, 16);
    }

    const QPoint cancelAt(design.client.width() - kMargin - kButtonSize.width(),
                          design.client.height() - kMargin - kButtonSize.height());
    m_cancelButton = named(new QPushButton(QStringLiteral("Cancel"), this), "Button2");
    m_cancelButton->setGeometry(QRect(cancelAt, kButtonSize));
    m_cancelButton->setAutoDefault(false);
    m_confirmButton = named(new QPushButton(QString::fromUtf8(design.button1), this), "Button1");
    m_confirmButton->setGeometry(QRect(cancelAt - QPoint(kButtonSize.width() + 6, 0), kButtonSize));
    m_confirmButton->setDefault(true);
    // Tab order as read: the field, then the buttons left to right.
    if (m_nameEdit)
        setTabOrder(m_nameEdit, m_confirmButton);
    setTabOrder(m_confirmButton, m_cancelButton);
    connect(m_confirmButton, &QPushButton::clicked, this, &StructureDialog::confirmed);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void StructureDialog::presetEdit(const QString &text)
{
    m_nameEdit->setText(text);
    m_nameEdit->selectAll();
    m_nameEdit->setFocus();
}

} // namespace veltrano
