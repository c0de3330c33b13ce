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
    m_label1 = named(new QLabel(QString::fromUtf8(design.label1), this), "Label1");
    // The renamer shows a folder's name here, which may look like markup.
    m_label1->setTextFormat(Qt::PlainText);
    m_label1->setGeometry(kFieldLeft, kMargin, kFieldWidth, 16);
    if (design.withEdit) {
        m_edit1 = named(new QLineEdit(this), "Edit1");
        m_edit1->setGeometry(kFieldLeft, kMargin + 20, kFieldWidth, 22);
        m_edit1->setAccessibleName(QStringLiteral("Name"));
        m_label1->setBuddy(m_edit1);
    } else {
        m_label2 = named(new ElidedLabel(QString(), this), "Label2");
        m_label2->setGeometry(kFieldLeft, kMargin + 20, kFieldWidth, 16);
    }

    const QPoint cancelAt(design.client.width() - kMargin - kButtonSize.width(),
                          design.client.height() - kMargin - kButtonSize.height());
    m_button2 = named(new QPushButton(QStringLiteral("Cancel"), this), "Button2");
    m_button2->setGeometry(QRect(cancelAt, kButtonSize));
    m_button2->setAutoDefault(false);
    m_button1 = named(new QPushButton(QString::fromUtf8(design.button1), this), "Button1");
    m_button1->setGeometry(QRect(cancelAt - QPoint(kButtonSize.width() + 6, 0), kButtonSize));
    m_button1->setDefault(true);
    // Tab order as read: the field, then the buttons left to right.
    if (m_edit1)
        setTabOrder(m_edit1, m_button1);
    setTabOrder(m_button1, m_button2);
    connect(m_button1, &QPushButton::clicked, this, &StructureDialog::confirmed);
    connect(m_button2, &QPushButton::clicked, this, &QDialog::reject);
}

void StructureDialog::presetEdit(const QString &text)
{
    m_edit1->setText(text);
    m_edit1->selectAll();
    m_edit1->setFocus();
}

} // namespace veltrano
