#include "common/logic/EndingMessages.h"

#include "platform/Notifications.h"

namespace veltrano {

void EndingMessages::tell(const QString &text)
{
    m_notifications.notify(QString::fromUtf16(kApplicationTitle), text);
}

void EndingMessages::notice(const QString &text)
{
    m_unattended ? tell(text) : m_boxes.notice(text);
}

void EndingMessages::bare(const QString &text)
{
    m_unattended ? tell(text) : m_boxes.bare(text);
}

void EndingMessages::error(const QString &text)
{
    m_unattended ? tell(text) : m_boxes.error(text);
}

void EndingMessages::confirmNotice(const QString &text)
{
    m_unattended ? tell(text) : m_boxes.confirmNotice(text);
}

// Only Yes acts; a question nobody can answer must not act either.
MessageBoxes::Answer EndingMessages::ask(const QString &text, bool withCancel)
{
    return m_unattended ? Answer::No : m_boxes.ask(text, withCancel);
}

} // namespace veltrano
