#include "fonts.h"

namespace talvex {
namespace {

QFont face(double points, QFont::Weight weight) {
    QFont font(QString::fromLatin1(kFontFace));
    font.setPointSizeF(points);
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

QFont dialogFont() {
    return face(kDialogFontPoints, QFont::Normal);
}

QFont captionFont(double points) {
    return face(points, QFont::Bold);
}

}  // namespace talvex
