#pragma once
#include <functional>

class QKeyEvent;

namespace veltrano {

// The two keys every small dialog of ours answers itself, wherever the focus
// is: Enter (either key) runs `enter`, Escape runs `escape`. True when the key
// was one of them, so the caller does not pass it on to a default button that
// would answer it a second time.
bool AnswerEnterOrEscape(const QKeyEvent &event, const std::function<void()> &enter,
                         const std::function<void()> &escape);

} // namespace veltrano
