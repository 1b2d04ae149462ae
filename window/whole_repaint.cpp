#include "whole_repaint.h"

namespace talvex {

void repaintWhole(QWidget &window) {
    for (QWidget *control : window.findChildren<QWidget *>()) control->update();
    window.repaint();
}

}  // namespace talvex
