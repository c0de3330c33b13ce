#include "common/ui/AppContext.h"

#include "common/logic/MessageBoxes.h"

namespace veltrano {

MessageBoxes &AppContext::messagesAbout(const QObject *window) const
{
    return m_messages.about(window);
}

} // namespace veltrano
