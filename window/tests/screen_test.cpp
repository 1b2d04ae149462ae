// What the platform shows of Form1: read back from the screen (the X server
// under xcb), checked pixel by pixel where the layout is particular.
#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "form.h"
#include "shown_form.h"

namespace {

using talvex::Form;

class Screen : public ::testing::Test {
  protected:
    void SetUp() override {
        if (form_.logicalDpiX() != 96 || form_.devicePixelRatioF() != 1.0) {
            GTEST_SKIP() << "screen is not at 96 dots per inch and one pixel per pixel";
        }
        ASSERT_NO_FATAL_FAILURE(showAndActivate(form_));
        face_ = form_.palette().color(QPalette::Button).rgb();
        ink_ = form_.palette().color(QPalette::WindowText).rgb();
    }
    Form form_;
    QRgb face_ = 0;
    QRgb ink_ = 0;
};

TEST_F(Screen, Line1IsDrawnAcrossLabel18) {
    const QImage shot = screenImage(form_);
    ASSERT_EQ(shot.size(), QSize(732, 543));
    const QRect label18 = form_.label("Label18")->geometry();
    ASSERT_TRUE(label18.contains(224, 340));
    // Line1 runs down x = 224 from y = 8 to 360; inside Label18's box
    // (y 320 to 360) every pixel of it shows.
    for (int y = label18.top(); y <= 360; ++y) {
        EXPECT_EQ(shot.pixel(224, y), ink_) << "y " << y;
    }
    EXPECT_NE(shot.pixel(224, 361), ink_);  // and it ends there
}

TEST_F(Screen, Label36IsCutAtTheBottomOfTheClientArea) {
    auto *label36 = form_.label("Label36");
    EXPECT_EQ(label36->geometry().bottom() + 1 - form_.height(), 2);  // 30 twips
    EXPECT_EQ(label36->visibleRegion().boundingRect().height(), 31);
    const QImage shot = screenImage(form_);
    EXPECT_EQ(shot.height(), 543);
    // The label's own face fills its box down to the window's last row.
    EXPECT_EQ(shot.pixel(label36->x() + label36->width() - 2, 542), face_);
}

TEST_F(Screen, Label34IsRed) {
    // The text is smoothed: its pixels are pure red blended over the face,
    // and where a stroke covers a whole pixel it is red itself.
    const QImage shot = screenImage(form_);
    const QRect label34 = form_.label("Label34")->geometry();
    int red = 0;
    int notRed = 0;
    int redElsewhere = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y);
            const bool reddest = qRed(p) >= 250 && qGreen(p) <= 12 && qBlue(p) <= 12;
            if (!label34.contains(x, y)) {
                redElsewhere += reddest;
                continue;
            }
            if (p == face_) continue;
            red += reddest;
            const bool redOverFace = qRed(p) >= qRed(face_) &&
                                     std::abs(qGreen(p) - qBlue(p)) <= 2 &&
                                     qGreen(p) <= qGreen(face_);
            notRed += !redOverFace;
        }
    }
    EXPECT_GT(red, 50);
    EXPECT_EQ(notRed, 0);
    EXPECT_EQ(redElsewhere, 0);
}

TEST_F(Screen, LogoSitsUnscaledInsideThePictureBox) {
    const QImage shot = screenImage(form_);
    auto *box = form_.picture("Picture1");
    const QPoint inside = box->geometry().topLeft() + box->contentsRect().topLeft();
    EXPECT_EQ(box->contentsRect().size(), QSize(101, 101));  // within the sunken border
    const QImage logo = QImage(QStringLiteral(":/logo.jpg")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(logo.size(), QSize(100, 100));
    EXPECT_EQ(shot.copy(QRect(inside, logo.size())), logo);
    // The column and row past the picture show the box's background.
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(shot.pixel(inside.x() + 100, inside.y() + i), face_);
        EXPECT_EQ(shot.pixel(inside.x() + i, inside.y() + 100), face_);
    }
}

TEST_F(Screen, ResizingLargerMovesNothing) {
    const QImage before = screenImage(form_);
    const QRect label10 = form_.label("Label10")->geometry();
    // Grown from the screen's corner, so that all of it stays on the screen.
    form_.move(0, 0);
    form_.resize(900, 700);
    // The X server takes the new size in its own time: wait until the far
    // corner shows the window.
    ASSERT_TRUE(QTest::qWaitFor([&] { return screenImage(form_).pixel(899, 699) == face_; }))
        << "the window did not grow";
    const QImage after = screenImage(form_);
    // Label36's box, cut off before, now shows its last two rows.
    EXPECT_EQ(after.copy(0, 0, 732, 541), before.copy(0, 0, 732, 541));
    EXPECT_EQ(form_.label("Label10")->geometry(), label10);
    EXPECT_EQ(form_.label("Label36")->visibleRegion().boundingRect().height(), 33);
    int notBackground = 0;
    for (int y = 0; y < 700; ++y) {
        for (int x = 0; x < 900; ++x) {
            const bool outside = x >= 732 || y >= 545;  // beyond the old client area and Label36
            notBackground += outside && after.pixel(x, y) != face_;
        }
    }
    EXPECT_EQ(notBackground, 0);
}

TEST_F(Screen, ClickingLabelsChangesNoCaption) {
    auto captions = [this] {
        QStringList all;
        for (auto *label : form_.findChildren<talvex::CaptionLabel *>()) all << label->caption();
        return all;
    };
    const QStringList before = captions();
    for (auto *label : form_.findChildren<talvex::CaptionLabel *>()) {
        if (label->objectName() == QStringLiteral("Label16")) continue;
        QSignalSpy clicked(label, &talvex::CaptionLabel::clicked);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(clicked.count(), 1) << label->objectName().toStdString();
    }
    // The picture box, a line (the click reaches Label18 below it) and the
    // window's own background.
    QTest::mouseClick(form_.picture("Picture1"), Qt::LeftButton);
    QTest::mouseClick(&form_, Qt::LeftButton, {}, QPoint(224, 100));
    QTest::mouseClick(&form_, Qt::LeftButton, {}, QPoint(720, 530));
    EXPECT_EQ(captions(), before);
}

}  // namespace
