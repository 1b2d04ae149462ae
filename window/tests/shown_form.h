// Test helpers: the form shown and active on the test's platform, and its
// client area as the screen holds it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

#include "form.h"

inline void showAndActivate(talvex::Form &form) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

// What the screen shows of the window's client area, read back from the
// platform (the X server under xcb), not rendered again by the test.
inline QImage screenImage(talvex::Form &form) {
    form.repaint();
    QApplication::processEvents();
    return form.screen()
        ->grabWindow(form.winId(), 0, 0, form.width(), form.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
