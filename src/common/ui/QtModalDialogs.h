#pragma once
#include "common/ui/ModalDialogs.h"

namespace veltrano {

class QtModalDialogs final : public ModalDialogs {
public:
    int exec(QDialog &dialog) override;
};

} // namespace veltrano
