// A picture box: a sunken frame filled with the button-face colour, showing
// its picture at natural size from the top-left corner inside the border,
// never scaled. It takes keyboard focus.
#pragma once

#include <QFrame>
#include <QPixmap>

namespace talvex {

class PictureBox : public QFrame {
    Q_OBJECT

  public:
    explicit PictureBox(QWidget *parent = nullptr);

    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap &picture);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QPixmap picture_;
};

}  // namespace talvex
