#include "todo/ui/NewToDoItemDialog.h"

#include "common/logic/MessageBoxes.h"
#include "common/ui/AppPictures.h"
#include "common/ui/DialogKeys.h"
#include "common/ui/Hints.h"
#include "common/ui/AppContext.h"
#include "platform/Platform.h"
#include "todo/logic/ToDoListModel.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

#include <limits>

namespace veltrano {
namespace {

constexpr QRect kPictureRect{8, 8, 48, 48};
constexpr QRect kFrameRect{64, 8, 281, 106};
constexpr QSize kButtonSize{89, 27};
constexpr int kButtonsY = 124;

} // namespace

NewToDoItemDialog::NewToDoItemDialog(AppContext &context, ToDoListModel &list, ToDoComposeOptions &options)
    : SmallDialog("ToDoEditForm", QString::fromUtf16(kComposerCaption), kComposerClientSize),
      m_context(context), m_list(list), m_options(options)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    createControls();
}

void NewToDoItemDialog::createControls()
{
    auto *picture = named(new QLabel(this), "Image1");
    picture->setGeometry(kPictureRect);
    picture->setPixmap(appPicture(QStringLiteral("todoadd")).pixmap(kPictureRect.size()));
    picture->setAccessibleName(QStringLiteral("New item"));

    auto *frame = named(new QFrame(this), "Bevel1");
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame->setGeometry(kFrameRect);
    m_edit = named(new QLineEdit(QStringLiteral("..."), this), "EditMainToDo");
    m_edit->setMaxLength(std::numeric_limits<int>::max()); // 32,767 by default would cut a longer item
    m_edit->setAccessibleName(QStringLiteral("To-do item"));
    m_edit->setGeometry(kFrameRect.x() + 8, kFrameRect.y() + 10, kFrameRect.width() - 16, 24);
    m_edit->installEventFilter(this);

    const int left = kFrameRect.x() + 10;
    const int right = kFrameRect.x() + kFrameRect.width() / 2 + 14;
    const int row = kFrameRect.y() + 42;
    // Created in reading order, which is the order Tab takes: the edit, the
    // left column, the right column, the buttons. Each caption underlines a
    // letter (or sign) of its own for Alt.
    m_num = addOption("CheckBoxNum", QStringLiteral("Auto&numeration"), {left, row},
                      &ToDoComposeOptions::autonumeration);
    m_prior = addOption("CheckBoxPrior", QStringLiteral("[&!]"), {left, row + 20}, &ToDoComposeOptions::priority);
    m_scob = addOption("CheckBoxScob", QStringLiteral("[&...]"), {left, row + 40}, &ToDoComposeOptions::brackets);
    m_mark = addOption("CheckBoxMark", QStringLiteral("&Marker"), {right, row}, &ToDoComposeOptions::marker);
    m_time = addOption("CheckBoxTime", QStringLiteral("&Time"), {right, row + 20}, &ToDoComposeOptions::time);
    m_date = addOption("CheckBoxDate", QStringLiteral("&Date"), {right, row + 40}, &ToDoComposeOptions::date);

    const auto button = [this](const char *name, const QString &caption, int x, void (NewToDoItemDialog::*click)()) {
        auto *b = named(new QPushButton(caption, this), name);
        b->setGeometry(QRect(QPoint(x, kButtonsY), kButtonSize));
        connect(b, &QPushButton::clicked, this, click);
        return b;
    };
    QPushButton *add = button("BitBtnAdd", QStringLiteral("&Add (Enter)"), kFrameRect.x(), &NewToDoItemDialog::addItem);
    add->setDefault(true);
    button("BitBtnDef", QStringLiteral("&Set defaults"), kFrameRect.x() + 96, &NewToDoItemDialog::setDefaults);
    button("BitBtnCancel", QStringLiteral("&Cancel (Esc)"), kFrameRect.right() + 1 - kButtonSize.width(),
           &NewToDoItemDialog::cancel);
    setOptions(m_options);
}

QCheckBox *NewToDoItemDialog::addOption(const char *name, const QString &caption, QPoint at,
                                     bool ToDoComposeOptions::*option)
{
    auto *box = named(new QCheckBox(caption, this), name);
    box->move(at);
    box->adjustSize();
    connect(box, &QCheckBox::toggled, this, [this, option](bool on) { m_options.*option = on; });
    connect(box, &QCheckBox::clicked, this, &NewToDoItemDialog::backToText);
    return box;
}

void NewToDoItemDialog::setOptions(ToDoComposeOptions o)
{
    m_options = o;
    m_mark->setChecked(o.marker);
    m_time->setChecked(o.time);
    m_date->setChecked(o.date);
    m_prior->setChecked(o.priority);
    m_scob->setChecked(o.brackets);
    m_num->setChecked(o.autonumeration);
}

void NewToDoItemDialog::addItem()
{
    Platform &platform = m_context.platform();
    const ToDoStamps stamps = ReadToDoStamps(platform.clock(), platform.regionalFormats());
    if (m_edit->text().isEmpty()) {
        // Focus first: the box hands it back to where it was when it closes.
        backToText();
        m_context.messagesAbout(this).notice(QString::fromUtf16(kInputSomeEventMessage));
        return;
    }
    m_list.AppendToDoItem(ComposeToDoText(m_edit->text(), options(), stamps.date, stamps.time, m_list.count()));
    m_edit->clear();
    m_edit->setFocus(Qt::OtherFocusReason);
    emit itemAdded();
}

void NewToDoItemDialog::cancel()
{
    reject();
}

void NewToDoItemDialog::setDefaults()
{
    setOptions(ToDoComposeOptions::defaults());
    backToText();
}

// After a button or an option the typing goes on where it stopped: the
// caret and any selection come back as they were, rather than the whole text
// being selected (the next word would replace it) or the keys going to the
// button (a space would press it again).
void NewToDoItemDialog::backToText()
{
    if (!isVisible() || m_edit->hasFocus())
        return;
    {
        const QScopedValueRollback returning(m_returningToText, true);
        m_edit->setFocus(Qt::OtherFocusReason);
    }
    if (m_leftAt.selectionLength > 0) {
        const bool caretAtStart = m_leftAt.cursor == m_leftAt.selectionStart;
        if (caretAtStart)
            m_edit->setSelection(m_leftAt.selectionStart + m_leftAt.selectionLength, -m_leftAt.selectionLength);
        else
            m_edit->setSelection(m_leftAt.selectionStart, m_leftAt.selectionLength);
    } else {
        m_edit->setCursorPosition(m_leftAt.cursor);
    }
}

void NewToDoItemDialog::keyPressEvent(QKeyEvent *event)
{
    if (!AnswerEnterOrEscape(*event, [this] { addItem(); }, [this] { cancel(); }))
        QDialog::keyPressEvent(event);
}

void NewToDoItemDialog::showEvent(QShowEvent *event)
{
    SmallDialog::showEvent(event);
    m_edit->setFocus(Qt::OtherFocusReason);
    m_edit->selectAll();
}

// The whole text is selected whenever the edit is entered, so typing
// replaces what was left from last time. Coming back to the dialog from
// another window or a menu, or from one of its own buttons, is not entering:
// the text is left as it was.
bool NewToDoItemDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::FocusOut) {
        // Seen before the edit drops its selection on the way out.
        m_leftAt = {m_edit->cursorPosition(), m_edit->selectionStart(), m_edit->selectionLength()};
    } else if (watched == m_edit && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (!m_returningToText && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            m_edit->selectAll();
            // A click places the caret after the focus has come: select again then.
            if (reason == Qt::MouseFocusReason)
                QTimer::singleShot(0, m_edit, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace veltrano
