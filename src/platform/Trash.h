#pragma once
#include "platform/IoStatus.h"

#include <QString>

namespace veltrano {

// The desktop's wastebasket, from which the user can bring a deleted thing
// back with the file manager.
class Trash {
public:
    virtual ~Trash() = default;
    // Moves the file or folder `path` names, with everything inside it, into
    // the trash in one step: either all of it is there afterwards or nothing
    // has moved and the reason is the system's. A link is moved as the link,
    // never what it leads to. Nothing is ever copied and then erased.
    virtual IoStatus moveToTrash(const QString &path) = 0;
};

} // namespace veltrano
