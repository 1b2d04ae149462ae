// Breaking captions into lines, with every character 10 pixels wide.
#include <gtest/gtest.h>

#include "caption_wrap.h"

namespace {

QStringList wrap(const char *caption, int width) {
    return talvex::wrapAtSpaces(QString::fromUtf8(caption), width,
                                [](const QString &text) { return int(text.size()) * 10; });
}

struct WrapCase {
    const char *caption;
    int width;
    QStringList lines;
};

TEST(CaptionWrap, BreaksOnlyAtSpaces) {
    const WrapCase cases[] = {
        {"", 100, {""}},
        {"Total  %", 100, {"Total  %"}},                       // both spaces kept
        {"Check System time ", 180, {"Check System time "}},   // trailing space kept
        {"aaa bbb ccc", 70, {"aaa bbb", "ccc"}},               // the break eats the space
        {"aaa  bbb", 50, {"aaa", "bbb"}},                      // a run of spaces too
        {"bytes,KB or", 80, {"bytes,KB", "or"}},               // no break at a comma
        {"time.When you", 60, {"time.When", "you"}},           // word wider than the box: whole
        {"a verylongword b", 50, {"a", "verylongword", "b"}},  // alone on its own line
        {"  lead", 100, {"  lead"}},                           // leading spaces stay
    };
    for (const WrapCase &c : cases) {
        EXPECT_EQ(wrap(c.caption, c.width), c.lines) << c.caption << " in " << c.width;
    }
}

TEST(CaptionWrap, ExactFitStaysOnOneLine) {
    EXPECT_EQ(wrap("abc def", 70), QStringList{"abc def"});
    EXPECT_EQ(wrap("abc def", 69), (QStringList{"abc", "def"}));
}

}  // namespace
