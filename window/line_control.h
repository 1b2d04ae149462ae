// A straight solid line one pixel wide in the window-text colour. It has no
// events and takes no focus: clicks pass through to whatever lies below.
#pragma once

#include <QPoint>
#include <QWidget>

namespace talvex {

class LineControl : public QWidget {
    Q_OBJECT

  public:
    // The end points are in the parent's pixels.
    LineControl(QPoint from, QPoint to, QWidget *parent = nullptr);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QPoint from_;
    QPoint to_;
};

}  // namespace talvex
