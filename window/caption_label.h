// A label: an opaque box in the button-face colour with its caption drawn
// from the top-left corner, wrapped at spaces and cut off at the box's edges.
// It takes no keyboard focus and reports a mouse click.
#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>
#include <optional>

namespace talvex {

class CaptionLabel : public QWidget {
    Q_OBJECT

  public:
    explicit CaptionLabel(QWidget *parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);

    // A colour of the label's own for its text; without one the label uses
    // the button-text colour.
    void setTextColour(const QColor &colour);
    QColor textColour() const;

    // The caption broken into lines as the label draws it.
    QStringList wrappedLines() const;

  signals:
    // A press and release of the left mouse button over the label.
    void clicked();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    QString caption_;
    std::optional<QColor> textColour_;
    bool pressed_ = false;
};

}  // namespace talvex
