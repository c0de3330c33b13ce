#pragma once
#include <functional>

class QWidget;

namespace veltrano {

// Calls `then` once, right after the first frame of `window` has been painted
// (its first expose), or `fallbackMs` after this call when no expose comes (a
// window mapped on a desktop out of view). Call it once the window has its
// native window, e.g. from its first show event.
void AfterFirstFrame(QWidget &window, std::function<void()> then, int fallbackMs);

} // namespace veltrano
