#include "app/ui/About.h"

#include "app/logic/HelpCommands.h"
#include "app/ui/AboutBanner.h"
#include "common/ui/FirstShow.h"
#include "common/ui/ModalDialogs.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace veltrano {
namespace {

constexpr int kMargin = 32;
constexpr QSize kButtonSize{100, 30};

} // namespace

TAboutForm::TAboutForm(Shell &shell, MessageBoxes &messages, ModalDialogs &dialogs, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint),
      m_shell(shell), m_messages(messages), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QString::fromUtf16(kAboutCaption));
    setFixedSize(kAboutClientSize);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    BuildWhenFirstShown(*this, [this] { buildContents(); });
}

// The labels measure their fonts and the banner draws the program's picture:
// nothing of it is needed before the box is first shown.
void TAboutForm::buildContents()
{
    auto *banner = new AboutBanner(this);
    banner->setGeometry(QRect(QPoint(0, 0), kAboutBannerSize));

    addLabel(QStringLiteral("LabelProduct"), QStringLiteral("Veltrano"), {kMargin, 204}, 30, true);
    // The design text; FormCreate puts the version in its place.
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
    connect(ok, &QPushButton::clicked, this, &TAboutForm::ThanksClick);

    FormCreate();
}

QLabel *TAboutForm::addLabel(const QString &name, const QString &text, QPoint at, int pixelSize, bool bold)
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

void TAboutForm::FormCreate()
{
    m_version->setText(QString::fromUtf16(kAboutVersion));
    m_version->adjustSize();
}

void TAboutForm::AboutFormShowExecute()
{
    m_dialogs.exec(*this);
}

void TAboutForm::ThanksClick()
{
    accept();
}

void TAboutForm::Label5Click()
{
    Help1Click(m_shell, m_messages);
}

void TAboutForm::FormKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QDialog::keyPressEvent(event);
}

void TAboutForm::keyPressEvent(QKeyEvent *event)
{
    FormKeyDown(event);
}

void TAboutForm::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_address && event->type() == QEvent::MouseButtonRelease) {
        Label5Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace veltrano
