#pragma once
#include "platform/Trash.h"

namespace veltrano {

// The Recycle Bin of the item's drive, through the shell's file operation.
// A drive without one (a network share, some USB drives) would make the
// shell delete for good: that is refused before anything is touched.
class WindowsTrash final : public Trash {
public:
    IoStatus moveToTrash(const QString &path) override;
};

} // namespace veltrano
