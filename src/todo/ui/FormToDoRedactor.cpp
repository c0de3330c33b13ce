#include "todo/ui/FormToDoRedactor.h"

#include "common/logic/MessageBoxes.h"
#include "common/ui/AppPictures.h"
#include "common/ui/DialogKeys.h"
#include "common/ui/Hints.h"
#include "common/ui/WindowPlacement.h"
#include "todo/logic/ToDoListModel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace veltrano {
namespace {

constexpr QRect kPictureRect{8, 20, 32, 32};
constexpr QRect kEditRect{48, 24, 232, 25};
constexpr QSize kButtonSize{75, 25};

} // namespace

TfrmToDoRedactor::TfrmToDoRedactor(MessageBoxes &messages, ToDoListModel &list)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint),
      m_messages(messages), m_list(list), m_controls(*this, [this] { createControls(); })
{
    setObjectName(QStringLiteral("frmToDoRedactor"));
    setWindowTitle(QString::fromUtf16(kRedactorCaption));
    setFixedSize(kRedactorClientSize);
}

void TfrmToDoRedactor::createControls()
{
    auto *picture = named(new QLabel(this), "Image1");
    picture->setGeometry(kPictureRect);
    picture->setPixmap(smallPicture(SmallPicture::ToDo).pixmap(kPictureRect.size()));
    picture->setAccessibleName(QStringLiteral("To-do item"));

    m_edit = named(new QLineEdit(QStringLiteral("Edit"), this), "Edit");
    m_edit->setAccessibleName(QStringLiteral("To-do item"));
    m_edit->setGeometry(kEditRect);
    m_edit->installEventFilter(this);

    const int x = kEditRect.right() + 1 + 12;
    m_change = named(new QPushButton(QStringLiteral("Change"), this), "Button");
    m_change->setGeometry(QRect(QPoint(x, kEditRect.y()), kButtonSize));
    m_change->setDefault(true);
    m_change->installEventFilter(this);
    connect(m_change, &QPushButton::clicked, this, &TfrmToDoRedactor::ButtonClick);
    auto *cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "Button1");
    cancel->setGeometry(QRect(QPoint(x + kButtonSize.width() + 8, kEditRect.y()), kButtonSize));
    connect(cancel, &QPushButton::clicked, this, &TfrmToDoRedactor::Button1Click);
}

void TfrmToDoRedactor::showEvent(QShowEvent *event)
{
    CentreOnDesktop(*this);
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmToDoRedactor::FormShow()
{
    if (EditedItemIndex < 0 || EditedItemIndex >= m_list.count()) {
        m_change->setEnabled(false);
        m_messages.notice(QString::fromUtf16(kNoItemSelectedMessage));
        return;
    }
    m_change->setEnabled(true);
    m_edit->setText(m_list.items().at(EditedItemIndex).text);
    m_edit->setFocus(Qt::OtherFocusReason);
}

void TfrmToDoRedactor::ButtonClick()
{
    if (!m_change || !m_change->isEnabled()) // never shown, or nothing to change
        return;
    m_list.ReplaceToDoText(EditedItemIndex, m_edit->text());
    accept();
}

void TfrmToDoRedactor::Button1Click()
{
    reject();
}

bool TfrmToDoRedactor::FormKeyDown(QKeyEvent *event)
{
    return AnswerEnterOrEscape(*event, [this] { ButtonClick(); }, [this] { Button1Click(); });
}

void TfrmToDoRedactor::keyPressEvent(QKeyEvent *event)
{
    if (!FormKeyDown(event))
        QDialog::keyPressEvent(event);
}

bool TfrmToDoRedactor::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_edit || watched == m_change) && event->type() == QEvent::KeyPress
        && FormKeyDown(static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace veltrano
