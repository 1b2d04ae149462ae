#include "line_control.h"

#include <QPainter>
#include <QRect>

namespace talvex {

LineControl::LineControl(QPoint from, QPoint to, QWidget *parent)
    : QWidget(parent), from_(from), to_(to) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    // The widget covers both end points and nothing more.
    setGeometry(QRect(from, to).normalized());
}

void LineControl::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText));
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    const QPoint origin = geometry().topLeft();
    painter.drawLine(from_ - origin, to_ - origin);
}

}  // namespace talvex
