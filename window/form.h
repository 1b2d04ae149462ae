// Form1, the demonstration window, built from the layout table: every
// control in its box, stacked and tab-ordered as the table says, with the
// focus on Command1. The window's actions find its controls by name here.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <string_view>

#include "caption_label.h"
#include "line_control.h"
#include "picture_box.h"

namespace talvex {

class Form : public QWidget {
    Q_OBJECT

  public:
    explicit Form(QWidget *parent = nullptr);

    // A control by its name and, for an element of a control array, its
    // index; nullptr when the window has no such control or it is of
    // another kind.
    QWidget *control(std::string_view name, int index = -1) const;
    CaptionLabel *label(std::string_view name, int index = -1) const;
    QPushButton *button(std::string_view name) const;
    PictureBox *picture(std::string_view name) const;
    LineControl *line(std::string_view name) const;

    // The client area in pixels at the screen's logical dots per inch.
    QSize clientSize() const;

  private:
    void placeCentred();
};

}  // namespace talvex
