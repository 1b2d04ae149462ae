// A repaint of a whole window that returns once every control in it has
// been redrawn.
#pragma once

#include <QWidget>

namespace talvex {

// QWidget::repaint() alone redraws the window and its see-through controls
// but leaves opaque children (the labels, the picture box) alone, since
// nothing of the window shows through them. Every control is therefore
// marked for drawing first, and the window's repaint then draws all that is
// marked before it returns.
void repaintWhole(QWidget &window);

}  // namespace talvex
