#include "platform/qt/CodePages.h"

namespace veltrano {

// Qt reads the double-byte pages through ICU here; the system adds nothing.
std::optional<QString> decodeDoubleByteBySystem(QByteArrayView, int)
{
    return std::nullopt;
}

} // namespace veltrano
