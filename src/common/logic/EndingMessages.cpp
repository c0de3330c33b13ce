#include "common/logic/EndingMessages.h"

#include "platform/Notifications.h"

namespace veltrano {

EndingMessages::EndingMessages(MessageBoxes &boxes, Notifications &notifications)
    : EndingMessages(boxes, notifications, std::make_shared<bool>(false))
{
}

EndingMessages::EndingMessages(MessageBoxes &boxes, Notifications &notifications, std::shared_ptr<bool> unattended)
    : m_boxes(boxes), m_notifications(notifications), m_unattended(std::move(unattended))
{
}

EndingMessages::~EndingMessages() = default;

void EndingMessages::tell(const QString &text)
{
    m_notifications.notify(QString::fromUtf16(kApplicationTitle), text);
}

void EndingMessages::notice(const QString &text)
{
    *m_unattended ? tell(text) : m_boxes.notice(text);
}

void EndingMessages::bare(const QString &text)
{
    *m_unattended ? tell(text) : m_boxes.bare(text);
}

void EndingMessages::error(const QString &text)
{
    *m_unattended ? tell(text) : m_boxes.error(text);
}

void EndingMessages::confirmNotice(const QString &text)
{
    *m_unattended ? tell(text) : m_boxes.confirmNotice(text);
}

// Only Yes acts; a question nobody can answer must not act either.
void EndingMessages::ask(const QString &text, bool withCancel, Reply then)
{
    if (*m_unattended) {
        if (then)
            then(Answer::No);
        return;
    }
    m_boxes.ask(text, withCancel, std::move(then));
}

MessageBoxes &EndingMessages::about(const QObject *window)
{
    if (!window)
        return *this;
    auto &slot = m_perWindow[window];
    if (!slot) {
        slot.reset(new EndingMessages(m_boxes.about(window), m_notifications, m_unattended));
        // A window that goes takes its boxes along; its address may be reused.
        QObject::connect(window, &QObject::destroyed, &m_guard, [this, window] { m_perWindow.erase(window); });
    }
    return *slot;
}

} // namespace veltrano
