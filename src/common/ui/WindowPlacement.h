#pragma once

class QWidget;

namespace veltrano {

// Keeps a top-level window above all normal windows, or lets it go back among
// them, without hiding it: changing the widget's flags the usual way would
// unmap the window and run its show steps again.
void SetStaysOnTop(QWidget &window, bool onTop);

// Places a window, frame included, in the middle of the desktop's work area.
void CentreOnDesktop(QWidget &window);

} // namespace veltrano
