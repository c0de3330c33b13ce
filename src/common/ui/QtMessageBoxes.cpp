#include "common/ui/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

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

QMessageBox *makeBox(QWidget *owner, QMessageBox::Icon icon, const QString &caption, const QString &text,
                     QMessageBox::StandardButtons buttons)
{
    auto *box = new QMessageBox(icon, caption, text, buttons, owner);
    box->setObjectName(QStringLiteral("MessageBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Names and paths from the disk are shown as they are, never as markup.
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

} // namespace

struct QtMessageBoxes::Queue {
    QPointer<QMessageBox> shown;
    // Each makes its box when its turn comes, for the owner as it is then.
    std::deque<std::function<void()>> waiting;

    void next()
    {
        while (!shown && !waiting.empty()) {
            const auto open = std::move(waiting.front());
            waiting.pop_front();
            open();
        }
    }
};

QtMessageBoxes::QtMessageBoxes() : m_queue(std::make_shared<Queue>()) {}

QtMessageBoxes::QtMessageBoxes(QWidget *owner, std::shared_ptr<Queue> queue)
    : m_owner(owner), m_queue(std::move(queue))
{
}

QtMessageBoxes::~QtMessageBoxes() = default;

void QtMessageBoxes::show(std::function<QMessageBox *(QWidget *owner)> make)
{
    const std::weak_ptr<Queue> weakQueue = m_queue;
    m_queue->waiting.push_back([weakQueue, owner = m_owner, make = std::move(make)] {
        const std::shared_ptr<Queue> queue = weakQueue.lock();
        if (!queue)
            return;
        QMessageBox *box = make(owner);
        queue->shown = box;
        // The window that had the keyboard gets it back when the box goes,
        // with or without a window manager to hand it back.
        const QPointer<QWidget> active = QApplication::activeWindow();
        QObject::connect(box, &QMessageBox::finished, [active] {
            if (active && active->isVisible())
                active->activateWindow();
        });
        // Its turn ends when it goes; the next box opens then.
        QObject::connect(box, &QObject::destroyed, [weakQueue] {
            QTimer::singleShot(0, [weakQueue] {
                if (const auto queue = weakQueue.lock())
                    queue->next();
            });
        });
        if (anyWindowStaysOnTop())
            box->setWindowFlag(Qt::WindowStaysOnTopHint);
        box->show();
        box->raise();
        box->activateWindow();
    });
    m_queue->next();
}

void QtMessageBoxes::notice(const QString &text)
{
    show([text](QWidget *owner) {
        return makeBox(owner, QMessageBox::NoIcon, QString::fromUtf16(kApplicationTitle), text, QMessageBox::Ok);
    });
}

void QtMessageBoxes::bare(const QString &text)
{
    show([text](QWidget *owner) { return makeBox(owner, QMessageBox::NoIcon, QString(), text, QMessageBox::Ok); });
}

void QtMessageBoxes::error(const QString &text)
{
    show([text](QWidget *owner) {
        return makeBox(owner, QMessageBox::Critical, QString::fromUtf16(kApplicationTitle), text, QMessageBox::Ok);
    });
}

void QtMessageBoxes::confirmNotice(const QString &text)
{
    show([text](QWidget *owner) {
        return makeBox(owner, QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::Ok);
    });
}

void QtMessageBoxes::ask(const QString &text, bool withCancel, Reply then)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    show([text, buttons, then = std::move(then)](QWidget *owner) {
        QMessageBox *box = makeBox(owner, QMessageBox::Question, QStringLiteral("Confirm"), text, buttons);
        QObject::connect(box, &QMessageBox::finished, box, [box, then] {
            if (!then)
                return;
            switch (box->standardButton(box->clickedButton())) {
            case QMessageBox::Yes: then(Answer::Yes); break;
            case QMessageBox::No: then(Answer::No); break;
            default: then(Answer::Cancel); break;
            }
        });
        return box;
    });
}

MessageBoxes &QtMessageBoxes::about(const QObject *window)
{
    auto *widget = qobject_cast<QWidget *>(const_cast<QObject *>(window));
    if (!widget)
        return *this;
    auto &slot = m_perWindow[window];
    if (!slot) {
        slot.reset(new QtMessageBoxes(widget->window(), m_queue));
        QObject::connect(window, &QObject::destroyed, &m_guard, [this, window] { m_perWindow.erase(window); });
    }
    return *slot;
}

} // namespace veltrano
