#pragma once
#include "common/logic/MessageBoxes.h"

namespace veltrano {

class QtMessageBoxes final : public MessageBoxes {
public:
    void notice(const QString &text) override;
    void bare(const QString &text) override;
    void error(const QString &text) override;
    void confirmNotice(const QString &text) override;
    Answer ask(const QString &text, bool withCancel) override;
};

} // namespace veltrano
