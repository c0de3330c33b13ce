#pragma once
#include "common/logic/MessageBoxes.h"

#include <QObject>
#include <map>
#include <memory>

namespace veltrano {

class Notifications;

// The program's messages: boxes, until the system asks the program to end (a
// terminate signal, the desktop session ending). From then on nobody may be
// there to press OK, and a box would hold the log-out up, so each message goes
// to the desktop's notifications and standard error instead, and a question
// gets, unasked, the answer that does nothing.
class EndingMessages final : public MessageBoxes {
public:
    EndingMessages(MessageBoxes &boxes, Notifications &notifications);
    ~EndingMessages() override;

    void endWithoutWaiting() { *m_unattended = true; }
    bool ending() const { return *m_unattended; }

    void notice(const QString &text) override;
    void bare(const QString &text) override;
    void error(const QString &text) override;
    void confirmNotice(const QString &text) override;
    void ask(const QString &text, bool withCancel, Reply then) override;
    MessageBoxes &about(const QObject *window) override;

private:
    EndingMessages(MessageBoxes &boxes, Notifications &notifications, std::shared_ptr<bool> unattended);
    void tell(const QString &text);

    MessageBoxes &m_boxes;
    Notifications &m_notifications;
    std::shared_ptr<bool> m_unattended; // one flag for the program's boxes and each window's
    std::map<const QObject *, std::unique_ptr<EndingMessages>> m_perWindow;
    QObject m_guard; // ends the watch on the windows when these messages go first
};

} // namespace veltrano
