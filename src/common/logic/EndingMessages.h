#pragma once
#include "common/logic/MessageBoxes.h"

namespace veltrano {

class Notifications;

// The program's messages: boxes, until the system asks the program to end (a
// terminate signal, the desktop session ending). From then on nobody may be
// there to press OK, and a box would hold the log-out up, so each message goes
// to the desktop's notifications and standard error instead, and a question
// gets, unasked, the answer that does nothing.
class EndingMessages final : public MessageBoxes {
public:
    EndingMessages(MessageBoxes &boxes, Notifications &notifications)
        : m_boxes(boxes), m_notifications(notifications) {}

    void endWithoutWaiting() { m_unattended = true; }

    void notice(const QString &text) override;
    void bare(const QString &text) override;
    void error(const QString &text) override;
    void confirmNotice(const QString &text) override;
    Answer ask(const QString &text, bool withCancel) override;

private:
    void tell(const QString &text);

    MessageBoxes &m_boxes;
    Notifications &m_notifications;
    bool m_unattended = false;
};

} // namespace veltrano
