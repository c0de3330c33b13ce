#include "common/ui/DialogKeys.h"

#include <QKeyEvent>

namespace veltrano {

bool AnswerEnterOrEscape(const QKeyEvent &event, const std::function<void()> &enter,
                         const std::function<void()> &escape)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enter();
        return true;
    case Qt::Key_Escape:
        escape();
        return true;
    default:
        return false;
    }
}

} // namespace veltrano
