#include "todo/ui/ToDoItemEditor.h"

#include "common/logic/MessageBoxes.h"
#include "common/ui/AppPictures.h"
#include "common/ui/DialogKeys.h"
#include "common/ui/Hints.h"
#include "todo/logic/ToDoListModel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace veltrano {
namespace {

constexpr QRect kPictureRect{8, 20, 32, 32};
constexpr QRect kEditRect{48, 24, 232, 25};
constexpr QSize kButtonSize{75, 25};

} // namespace

ToDoItemEditor::ToDoItemEditor(MessageBoxes &messages, ToDoListModel &list)
    : SmallDialog("frmToDoRedactor", QString::fromUtf16(kRedactorCaption), kRedactorClientSize),
      m_messages(messages), m_list(list)
{
    createControls();
}

void ToDoItemEditor::editItem(int index)
{
    m_index = index;
}

void ToDoItemEditor::createControls()
{
    auto *picture = named(new QLabel(this), "Image1");
    picture->setGeometry(kPictureRect);
    picture->setPixmap(smallPicture(SmallPicture::ToDo).pixmap(kPictureRect.size()));
    picture->setAccessibleName(QStringLiteral("To-do item"));

    m_edit = named(new QLineEdit(QStringLiteral("Edit"), this), "Edit");
    m_edit->setMaxLength(std::numeric_limits<int>::max()); // 32,767 by default would cut a longer item
    m_edit->setAccessibleName(QStringLiteral("To-do item"));
    m_edit->setGeometry(kEditRect);
    m_edit->installEventFilter(this);

    const int x = kEditRect.right() + 1 + 12;
    m_change = named(new QPushButton(QStringLiteral("Change"), this), "Button");
    m_change->setGeometry(QRect(QPoint(x, kEditRect.y()), kButtonSize));
    m_change->setDefault(true);
    m_change->installEventFilter(this);
    connect(m_change, &QPushButton::clicked, this, &ToDoItemEditor::change);
    auto *cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "Button1");
    cancel->setGeometry(QRect(QPoint(x + kButtonSize.width() + 8, kEditRect.y()), kButtonSize));
    connect(cancel, &QPushButton::clicked, this, &ToDoItemEditor::cancel);
}

void ToDoItemEditor::showEvent(QShowEvent *event)
{
    SmallDialog::showEvent(event);
    if (!event->spontaneous())
        onShow();
}

void ToDoItemEditor::onShow()
{
    if (m_index < 0 || m_index >= m_list.count()) {
        m_change->setEnabled(false);
        m_messages.notice(QString::fromUtf16(kNoItemSelectedMessage));
        return;
    }
    m_change->setEnabled(true);
    m_edit->setText(m_list.items().at(m_index).text);
    m_edit->setFocus(Qt::OtherFocusReason);
}

void ToDoItemEditor::setVisible(bool visible)
{
    SmallDialog::setVisible(visible);
    // A text longer than the edit shows from its start, where it is read.
    // Only now: the dialog's last show step enters the edit as Tab would,
    // which selects the whole text and scrolls to its end.
    if (visible && m_change->isEnabled())
        m_edit->setCursorPosition(0);
}

void ToDoItemEditor::change()
{
    if (!m_change->isEnabled()) // nothing to change
        return;
    m_list.ReplaceToDoText(m_index, m_edit->text());
    accept();
}

void ToDoItemEditor::cancel()
{
    reject();
}

bool ToDoItemEditor::handleKey(QKeyEvent *event)
{
    return AnswerEnterOrEscape(*event, [this] { change(); }, [this] { cancel(); });
}

void ToDoItemEditor::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        QDialog::keyPressEvent(event);
}

bool ToDoItemEditor::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_edit || watched == m_change) && event->type() == QEvent::KeyPress
        && handleKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace veltrano
