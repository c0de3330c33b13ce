#pragma once
#include "common/logic/MessageBoxes.h"

#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>
#include <map>
#include <memory>

class QMessageBox;

namespace veltrano {

// Message boxes on screen. Each opens application-modal, as a box always has,
// but without a nested event loop: the call returns at once and a question
// answers when the user has chosen. One box shows at a time; one asked for
// meanwhile opens when it closes, as boxes always came one after another. A
// box about a window is its child, so it opens above that window; it also
// stays on top while any window of ours does.
class QtMessageBoxes final : public MessageBoxes {
public:
    QtMessageBoxes();
    ~QtMessageBoxes() override;

    void notice(const QString &text) override;
    void bare(const QString &text) override;
    void error(const QString &text) override;
    void confirmNotice(const QString &text) override;
    void ask(const QString &text, bool withCancel, Reply then) override;
    MessageBoxes &about(const QObject *window) override;

private:
    struct Queue;
    QtMessageBoxes(QWidget *owner, std::shared_ptr<Queue> queue);
    void show(std::function<QMessageBox *(QWidget *owner)> make);

    QPointer<QWidget> m_owner;
    std::shared_ptr<Queue> m_queue; // one for the program's boxes and each window's
    std::map<const QObject *, std::unique_ptr<QtMessageBoxes>> m_perWindow;
    QObject m_guard; // ends the watch on the windows when these boxes go first
};

} // namespace veltrano
