#pragma once
// The message boxes and dialogs of the benchmarks that drive real windows:
// nothing in those runs should ask a question or open a dialog; should it,
// the answer is the quiet one and the run goes on.
#include "common/logic/MessageBoxes.h"
#include "common/ui/ModalDialogs.h"

#include <QDialog>

namespace veltrano::bench {

class QuietMessages final : public MessageBoxes {
public:
    void notice(const QString &) override {}
    void bare(const QString &) override {}
    void error(const QString &) override {}
    void confirmNotice(const QString &) override {}
    void ask(const QString &, bool, Reply then) override
    {
        if (then)
            then(Answer::No);
    }
};

class QuietDialogs final : public ModalDialogs {
public:
    void open(QDialog &, Done done) override
    {
        if (done)
            done(QDialog::Rejected);
    }
};

} // namespace veltrano::bench
