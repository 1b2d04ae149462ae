#include "form.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "fonts.h"
#include "layout.h"
#include "twips.h"

namespace talvex {
namespace {

QString nameOf(const Control &control) {
    return QString::fromStdString(qualifiedName(control));
}

QString captionOf(const Control &control) {
    return QString::fromUtf8(control.caption.data(), qsizetype(control.caption.size()));
}

}  // namespace

Form::Form(QWidget *parent) : QWidget(parent) {
    setObjectName(QString::fromUtf8(kFormName.data(), qsizetype(kFormName.size())));
    setWindowTitle(QString::fromUtf8(kFormCaption.data(), qsizetype(kFormCaption.size())));
    setWindowIcon(QIcon(QStringLiteral(":/talvexview.ico")));
    setFont(dialogFont());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    const qreal dpiX = logicalDpiX();
    const qreal dpiY = logicalDpiY();
    auto px = [](int twips, qreal dpi) { return twipsToPixels(twips, dpi); };

    struct Placed {
        const Control *control;
        QWidget *widget;
    };
    std::vector<Placed> placed;
    for (const Control &control : controls()) {
        QWidget *widget = nullptr;
        switch (control.kind) {
            case Kind::Line:
                widget =
                    new LineControl(QPoint(px(control.x1(), dpiX), px(control.y1(), dpiY)),
                                    QPoint(px(control.x2(), dpiX), px(control.y2(), dpiY)), this);
                break;
            case Kind::Label: {
                auto *label = new CaptionLabel(this);
                label->setCaption(captionOf(control));
                if (control.colour == TextColour::Red) label->setTextColour(QColor(255, 0, 0));
                widget = label;
                break;
            }
            case Kind::CommandButton: {
                auto *button = new QPushButton(captionOf(control), this);
                button->setAutoDefault(false);
                button->setDefault(false);
                button->setFocusPolicy(Qt::StrongFocus);
                widget = button;
                break;
            }
            case Kind::PictureBox: {
                auto *box = new PictureBox(this);
                box->setPicture(QPixmap(QStringLiteral(":/logo.jpg")));
                widget = box;
                break;
            }
        }
        widget->setObjectName(nameOf(control));
        if (control.kind != Kind::Line) {
            widget->setGeometry(px(control.left(), dpiX), px(control.top(), dpiY),
                                px(control.width(), dpiX), px(control.height(), dpiY));
        }
        if (control.fontPoints) widget->setFont(captionFont(*control.fontPoints));
        placed.push_back({&control, widget});
    }

    // Stacking: raise from the back (52) to the front (1).
    std::ranges::sort(placed, [](const Placed &a, const Placed &b) {
        return a.control->stack > b.control->stack;
    });
    for (const Placed &p : placed) p.widget->raise();

    // Tab order over the controls that take focus, by tab index.
    std::ranges::sort(
        placed, [](const Placed &a, const Placed &b) { return a.control->tab < b.control->tab; });
    QWidget *previous = nullptr;
    for (const Placed &p : placed) {
        if (p.control->tab < 0 || p.widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous) setTabOrder(previous, p.widget);
        previous = p.widget;
    }

    resize(clientSize());
    placeCentred();
    if (QWidget *first = button("Command1")) first->setFocus(Qt::OtherFocusReason);
}

QSize Form::clientSize() const {
    return {twipsToPixels(kClientWidthTwips, logicalDpiX()),
            twipsToPixels(kClientHeightTwips, logicalDpiY())};
}

void Form::placeCentred() {
    QScreen *where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!where) return;
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, clientSize(),
                                    where->availableGeometry()));
}

QWidget *Form::control(std::string_view name, int index) const {
    std::string wanted(name);
    if (index >= 0) wanted += "(" + std::to_string(index) + ")";
    return findChild<QWidget *>(QString::fromStdString(wanted), Qt::FindDirectChildrenOnly);
}

CaptionLabel *Form::label(std::string_view name, int index) const {
    return qobject_cast<CaptionLabel *>(control(name, index));
}

QPushButton *Form::button(std::string_view name) const {
    return qobject_cast<QPushButton *>(control(name));
}

PictureBox *Form::picture(std::string_view name) const {
    return qobject_cast<PictureBox *>(control(name));
}

LineControl *Form::line(std::string_view name) const {
    return qobject_cast<LineControl *>(control(name));
}

}  // namespace talvex
