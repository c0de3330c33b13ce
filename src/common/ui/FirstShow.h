#pragma once
#include <functional>

class QWidget;

namespace veltrano {

// Builds a window's contents the first time it is polished: when it is first
// shown, measured, or run as a dialog (the dialog seam polishes too). Windows
// created hidden at start-up so cost nothing (no fonts, no pictures) until the
// user asks for them. `build` runs once; children it creates are shown with
// the window.
void BuildWhenFirstShown(QWidget &window, std::function<void()> build);

// Calls `then` once, right after the first frame of `window` has been painted
// (its first expose), or `fallbackMs` after this call when no expose comes (a
// window mapped on a desktop out of view). Call it once the window has its
// native window, e.g. from its first show event.
void AfterFirstFrame(QWidget &window, std::function<void()> then, int fallbackMs);

} // namespace veltrano
