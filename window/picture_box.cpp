#include "picture_box.h"

#include <QPainter>

namespace talvex {

PictureBox::PictureBox(QWidget *parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap &picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    // One image pixel to one device pixel, whatever the screen's scale.
    QPixmap natural = picture_;
    natural.setDevicePixelRatio(devicePixelRatioF());
    painter.drawPixmap(inside.topLeft(), natural);
}

}  // namespace talvex
