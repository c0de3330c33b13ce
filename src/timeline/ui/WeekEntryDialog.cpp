#include "timeline/ui/WeekEntryDialog.h"

#include "common/ui/AppPictures.h"
#include "common/ui/DialogKeys.h"
#include "common/ui/ModalDialogs.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace veltrano {
namespace {

constexpr QSize kClientSize{457, 73};
constexpr QRect kPicture{8, 12, 48, 48};
constexpr QRect kEdit{64, 10, 385, 24};
constexpr QSize kButtonSize{80, 25};
constexpr int kButtonTop = 40;

} // namespace

WeekEntryDialog::WeekEntryDialog(const char *name, const QString &caption, EnterGoesTo enter, ModalDialogs &dialogs)
    : SmallDialog(name, caption, kClientSize, Centred::FirstTime), m_dialogs(dialogs), m_enter(enter)
{
    createControls();
}

void WeekEntryDialog::createControls()
{
    addPicture(smallPicture(SmallPicture::Timeline), kPicture, 32);

    m_edit = new QLineEdit(this);
    m_edit->setMaxLength(std::numeric_limits<int>::max()); // 32,767 by default would cut a longer item
    m_edit->setObjectName(QStringLiteral("Edit"));
    m_edit->setAccessibleName(QStringLiteral("Entry"));
    m_edit->setGeometry(kEdit);
    m_edit->installEventFilter(this);

    const int right = kEdit.right() + 1;
    m_change = addButton("Button", QStringLiteral("Change"),
                         QRect(QPoint(right - 2 * kButtonSize.width() - 8, kButtonTop), kButtonSize));
    m_cancel = addButton("Button1", QStringLiteral("Cancel"),
                         QRect(QPoint(right - kButtonSize.width(), kButtonTop), kButtonSize));
    connect(m_change, &QPushButton::clicked, this, &WeekEntryDialog::change);
    connect(m_cancel, &QPushButton::clicked, this, &WeekEntryDialog::cancel);
    if (m_enter == EnterGoesTo::ChangeButton) {
        m_change->setDefault(true);
    } else {
        m_change->setAutoDefault(false);
        m_cancel->setAutoDefault(false);
    }
}

void WeekEntryDialog::edit(const QString &preset, Change change, std::function<void()> closed)
{
    m_store = std::move(change);
    m_edit->setText(preset);
    m_edit->selectAll();
    m_edit->setFocus();
    m_dialogs.open(*this, [this, closed = std::move(closed)](int) {
        m_store = nullptr;
        if (closed)
            closed();
    });
}

void WeekEntryDialog::change()
{
    if (m_store && m_store(m_edit->text()))
        accept();
}

void WeekEntryDialog::cancel()
{
    reject();
}

bool WeekEntryDialog::handleKey(QKeyEvent *event)
{
    return AnswerEnterOrEscape(*event, [this] { change(); }, [this] { cancel(); });
}

bool WeekEntryDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

// The preset is selected so that typing replaces it.
void WeekEntryDialog::showEvent(QShowEvent *event)
{
    SmallDialog::showEvent(event);
    m_edit->setFocus();
    m_edit->selectAll();
}

} // namespace veltrano
