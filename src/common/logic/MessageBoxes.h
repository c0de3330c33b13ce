#pragma once
#include <QString>
#include <functional>

class QObject;

namespace veltrano {

// The application title: the caption of plain notices.
inline constexpr auto kApplicationTitle = u"Veltrano";

// Every message the program shows goes through here, so tests can read what
// was said and answer questions without a real dialog. A box never waits in
// a nested event loop: a notice returns at once, a question answers through
// `then` once the user has chosen (the timers go on ticking meanwhile, and a
// terminate signal still ends the program).
class MessageBoxes {
public:
    enum class Answer { Yes, No, Cancel };
    using Reply = std::function<void(Answer)>;
    virtual ~MessageBoxes() = default;
    // Caption "Veltrano", no icon, one OK button.
    virtual void notice(const QString &text) = 0;
    // The bare system box: empty caption, no icon, one OK button.
    virtual void bare(const QString &text) = 0;
    // The report of a failure the program goes on after.
    virtual void error(const QString &text) = 0;
    // Caption "Confirm", question icon, one OK button.
    virtual void confirmNotice(const QString &text) = 0;
    // Caption "Confirm", question icon, Yes and No (and Cancel); only Yes acts.
    virtual void ask(const QString &text, bool withCancel, Reply then) = 0;
    // The boxes about `window`: they open above it (and above every window
    // of ours that stays on top), so none hides behind another window.
    virtual MessageBoxes &about(const QObject *window) { return *this; }
};

} // namespace veltrano
