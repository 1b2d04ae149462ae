#include "caption_label.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "caption_wrap.h"

namespace talvex {

CaptionLabel::CaptionLabel(QWidget *parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CaptionLabel::setCaption(const QString &caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
}

void CaptionLabel::setTextColour(const QColor &colour) {
    textColour_ = colour;
    update();
}

QColor CaptionLabel::textColour() const {
    return textColour_.value_or(palette().color(QPalette::ButtonText));
}

QStringList CaptionLabel::wrappedLines() const {
    const QFontMetrics metrics(font());
    return wrapAtSpaces(caption_, width(), [&metrics](const QString &text) {
        return metrics.horizontalAdvance(text);
    });
}

void CaptionLabel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(textColour());
    painter.setFont(font());
    const QFontMetrics metrics(font());
    int top = 0;
    for (const QString &line : wrappedLines()) {
        if (top >= height()) break;  // the rest lies below the box
        painter.drawText(QPoint(0, top + metrics.ascent()), line);
        top += metrics.lineSpacing();
    }
}

void CaptionLabel::mousePressEvent(QMouseEvent *event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

}  // namespace talvex
