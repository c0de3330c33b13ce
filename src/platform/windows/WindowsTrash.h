#pragma once
#include "platform/Trash.h"

namespace veltrano {

// The Recycle Bin of the item's drive, through the shell's file operation.
// Where the bin cannot take it (a network share, some USB drives, an item
// larger than the bin) the shell asks the user before erasing anything.
class WindowsTrash final : public Trash {
public:
    IoStatus moveToTrash(const QString &path) override;
};

} // namespace veltrano
