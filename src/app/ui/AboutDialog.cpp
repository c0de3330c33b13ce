#include "app/ui/AboutDialog.h"

#include "app/logic/HelpPage.h"
#include "app/ui/AboutBanner.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace veltrano {
namespace {

constexpr int kMargin = 32;
constexpr QSize kButtonSize{100, 30};

} // namespace

AboutDialog::AboutDialog(Shell &shell, MessageBoxes &messages)
    : SmallDialog("AboutForm", QString::fromUtf16(kAboutCaption), kAboutClientSize), m_shell(shell),
      m_messages(messages)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    buildContents();
}

void AboutDialog::buildContents()
{
    auto *banner = new AboutBanner(this);
    banner->setGeometry(QRect(QPoint(0, 0), kAboutBannerSize));

    addLabel(QStringLiteral("LabelProduct"), QStringLiteral("Veltrano"), {kMargin, 204}, 30, true);
    // The design text; buildLabels puts the version in its place.
    m_version = addLabel(QStringLiteral("Label4"), QStringLiteral("Version 1.0"), {kMargin + 2, 250}, 16, false);
    QLabel *mail = addLabel(QStringLiteral("LabelMail"), QStringLiteral("e-mail:"), {kMargin + 2, 300}, 14, false);
    m_address = addLabel(QStringLiteral("Label5"), QString::fromUtf16(kDeveloperAddress),
                         {mail->geometry().right() + 8, 300}, 14, false);
    QPalette link = m_address->palette();
    link.setColor(QPalette::WindowText, QColor(0x1a, 0x4f, 0xc4));
    m_address->setPalette(link);
    QFont underlined = m_address->font();
    underlined.setUnderline(true);
    m_address->setFont(underlined);
    m_address->adjustSize();
    m_address->setCursor(Qt::PointingHandCursor);
    m_address->installEventFilter(this);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Thanks"));
    ok->setDefault(true);
    ok->setGeometry(QRect(QPoint(width() - kMargin - kButtonSize.width(), height() - 24 - kButtonSize.height()),
                          kButtonSize));
    connect(ok, &QPushButton::clicked, this, &AboutDialog::onThanksClicked);

    buildLabels();
}

QLabel *AboutDialog::addLabel(const QString &name, const QString &text, QPoint at, int pixelSize, bool bold)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->adjustSize();
    label->move(at);
    return label;
}

void AboutDialog::buildLabels()
{
    m_version->setText(QString::fromUtf16(kAboutVersion));
    m_version->adjustSize();
}

void AboutDialog::onThanksClicked()
{
    accept();
}

void AboutDialog::onAddressClicked()
{
    MailDeveloper(m_shell, m_messages);
}

void AboutDialog::handleKey(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QDialog::keyPressEvent(event);
}

void AboutDialog::keyPressEvent(QKeyEvent *event)
{
    handleKey(event);
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_address && event->type() == QEvent::MouseButtonRelease) {
        onAddressClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace veltrano
