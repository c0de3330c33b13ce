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

// The same, for a window that other features reach before it is shown (they
// preset a field, name the item to edit): `ensureBuilt()` runs the build at
// once when it has not run yet. Either way it runs once. Keep it a member of
// the window it builds.
class BuiltWhenFirstShown {
public:
    BuiltWhenFirstShown(QWidget &window, std::function<void()> build);
    BuiltWhenFirstShown(const BuiltWhenFirstShown &) = delete;
    BuiltWhenFirstShown &operator=(const BuiltWhenFirstShown &) = delete;

    void ensureBuilt();
    // True from the moment the build starts.
    bool isBuilt() const { return m_built; }

private:
    std::function<void()> m_build;
    bool m_built = false;
};

// Calls `then` once, right after the first frame of `window` has been painted
// (its first expose), or `fallbackMs` after this call when no expose comes (a
// window mapped on a desktop out of view). Call it once the window has its
// native window, e.g. from its first show event.
void AfterFirstFrame(QWidget &window, std::function<void()> then, int fallbackMs);

} // namespace veltrano
