#pragma once
// The frame of a working window in the main window's working area.
class QMdiSubWindow;
class QWidget;

namespace umbrin {

// Sizes the frame for its window (full size, as laid out for its texts, as far as the working
// area allows), puts it at the top-left corner and lets it follow the window when it grows.
void richteRahmenEin(QMdiSubWindow* rahmen, QWidget* fenster);

} // namespace umbrin
