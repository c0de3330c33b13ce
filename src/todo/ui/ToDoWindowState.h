#pragma once
#include <QRect>
#include <optional>

namespace veltrano {

// What the to-do window is, kept by its feature whether the window has been
// made or not: read from the settings file at start-up, written back at exit.
struct ToDoWindowState {
    // Outer left, top, width and height: as stored ("To-Do Pos" set), or as
    // the window has been since it was made; none until then otherwise.
    std::optional<QRect> placement;
};

} // namespace veltrano
