#pragma once
#include "common/ui/ModalDialogs.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>

namespace veltrano::test {

// Records each dialog opened and answers it at once: `answer` may work the
// dialog's controls first (it sees the dialog built, not shown) and may
// close it itself (accept, reject, a button); otherwise the result comes from
// `results` (Rejected when empty). Then the opener's `done` runs.
class FakeModalDialogs final : public ModalDialogs {
public:
    QStringList ran; // object names, in order
    QList<int> results;
    std::function<void(QDialog &)> answer;

    void open(QDialog &dialog, Done done = {}) override
    {
        ran << dialog.objectName();
        dialog.ensurePolished();
        int result = -1;
        const auto watch =
            QObject::connect(&dialog, &QDialog::finished, &dialog, [&result](int r) { result = r; });
        if (answer)
            answer(dialog);
        QObject::disconnect(watch);
        if (result < 0)
            result = results.isEmpty() ? int(QDialog::Rejected) : results.takeFirst();
        if (done)
            done(result);
    }
};

} // namespace veltrano::test
