#pragma once
#include "common/ui/ModalDialogs.h"

namespace veltrano {

class QtModalDialogs final : public ModalDialogs {
public:
    void open(QDialog &dialog, Done done = {}) override;
};

} // namespace veltrano
