// How a label breaks its caption into lines: at spaces only, greedily, the
// way the window's labels have always wrapped. A word wider than the box
// stays whole on a line of its own (the label cuts it off when drawing).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace talvex {

// width(text) gives the advance of a piece of text in the label's font.
QStringList wrapAtSpaces(const QString &caption, int boxWidth,
                         const std::function<int(const QString &)> &width);

}  // namespace talvex
