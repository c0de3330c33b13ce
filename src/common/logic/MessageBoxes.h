#pragma once
#include <QString>

namespace veltrano {

// The application title: the caption of plain notices.
inline constexpr auto kApplicationTitle = u"Veltrano";

// Every message the program shows goes through here, so tests can read what
// was said and answer questions without a real dialog.
class MessageBoxes {
public:
    enum class Answer { Yes, No, Cancel };
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
    virtual Answer ask(const QString &text, bool withCancel) = 0;
};

} // namespace veltrano
