#pragma once
#include "common/ui/ModalDialogs.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>

namespace veltrano::test {

// Records each dialog run modally and answers it at once: `answer` may work
// the dialog's controls first (it sees the dialog built, not shown); the
// result comes from `results` (Rejected when empty).
class FakeModalDialogs final : public ModalDialogs {
public:
    QStringList ran; // object names, in order
    QList<int> results;
    std::function<void(QDialog &)> answer;

    int exec(QDialog &dialog) override
    {
        ran << dialog.objectName();
        // A real run shows the dialog, which builds a lazily built one.
        dialog.ensurePolished();
        if (answer)
            answer(dialog);
        return results.isEmpty() ? int(QDialog::Rejected) : results.takeFirst();
    }
};

} // namespace veltrano::test
