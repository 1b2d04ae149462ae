// Form1 against the layout it must have: every control's kind, box,
// caption, font and colour, the tab order and the stacking.
#include "form.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <map>
#include <string>

#include "expected_layout.h"
#include "fonts.h"
#include "layout.h"
#include "shown_form.h"

namespace {

using talvex::Form;

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}

const talvex::Control *findControl(const std::string &name) {
    for (const auto &control : talvex::controls()) {
        if (talvex::qualifiedName(control) == name) return &control;
    }
    return nullptr;
}

char kindLetter(talvex::Kind kind) {
    switch (kind) {
        case talvex::Kind::Label:
            return 'L';
        case talvex::Kind::CommandButton:
            return 'B';
        case talvex::Kind::PictureBox:
            return 'P';
        case talvex::Kind::Line:
            return 'N';
    }
    return '?';
}

// The window at 96 dots per inch, where 15 twips make a pixel.
class FormAt96 : public ::testing::Test {
  protected:
    void SetUp() override {
        if (form_.logicalDpiX() != 96 || form_.logicalDpiY() != 96) {
            GTEST_SKIP() << "screen is not at 96 dots per inch";
        }
    }
    Form form_;
};

TEST(Layout, TableHoldsEveryControlAsExpected) {
    ASSERT_EQ(talvex::controls().size(), kExpected.size());
    QSet<QString> names;
    QSet<int> tabs;
    for (const auto &control : talvex::controls()) {
        names.insert(QString::fromStdString(talvex::qualifiedName(control)));
        if (control.tab >= 0) tabs.insert(control.tab);
    }
    EXPECT_EQ(names.size(), 52);
    EXPECT_EQ(tabs.size(), 46);  // 0 to 45, one to each control but the lines
    EXPECT_EQ(*std::min_element(tabs.begin(), tabs.end()), 0);
    EXPECT_EQ(*std::max_element(tabs.begin(), tabs.end()), 45);

    for (const Expected &e : kExpected) {
        SCOPED_TRACE(e.name);
        const talvex::Control *control = findControl(e.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(kindLetter(control->kind), e.kind);
        EXPECT_EQ(control->a, e.x * 15);
        EXPECT_EQ(control->b, e.y * 15);
        EXPECT_EQ(control->c, e.w * 15);
        EXPECT_EQ(control->d, e.h * 15);
        EXPECT_EQ(control->tab, e.tab);
        EXPECT_EQ(control->stack, e.stack);
        EXPECT_EQ(control->fontPoints.value_or(0.0), e.points);
        EXPECT_EQ(control->colour == talvex::TextColour::Red, e.red);
        EXPECT_EQ(text(control->caption), QString::fromUtf8(e.caption));
    }
}

TEST_F(FormAt96, WindowSettings) {
    EXPECT_EQ(form_.windowTitle(), QStringLiteral("QZ TALVEX WIN32 DLL - demo"));
    EXPECT_EQ(form_.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(form_.size(), QSize(732, 543));
    EXPECT_FALSE(form_.windowIcon().isNull());
    EXPECT_TRUE(form_.isWindow());
    // Sizable: no fixed size.
    EXPECT_EQ(form_.minimumSize(), QSize(0, 0));
    EXPECT_EQ(form_.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    const QRect screen = form_.screen()->availableGeometry();
    EXPECT_LE((form_.geometry().center() - screen.center()).manhattanLength(), 1);
}

TEST_F(FormAt96, EveryControlHasItsKindBoxCaptionFontAndColour) {
    const QFont dialog = talvex::dialogFont();
    for (const Expected &e : kExpected) {
        SCOPED_TRACE(e.name);
        QWidget *widget = form_.findChild<QWidget *>(QString::fromLatin1(e.name));
        ASSERT_NE(widget, nullptr);
        const QString caption = QString::fromUtf8(e.caption);
        switch (e.kind) {
            case 'N': {
                auto *line = qobject_cast<talvex::LineControl *>(widget);
                ASSERT_NE(line, nullptr);
                EXPECT_EQ(line->from(), QPoint(e.x, e.y));
                EXPECT_EQ(line->to(), QPoint(e.w, e.h));
                EXPECT_EQ(line->focusPolicy(), Qt::NoFocus);
                EXPECT_TRUE(line->testAttribute(Qt::WA_TransparentForMouseEvents));
                continue;
            }
            case 'L': {
                auto *label = qobject_cast<talvex::CaptionLabel *>(widget);
                ASSERT_NE(label, nullptr);
                EXPECT_EQ(label->caption(), caption);
                EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
                EXPECT_EQ(label->textColour(),
                          e.red ? QColor(255, 0, 0) : label->palette().color(QPalette::ButtonText));
                break;
            }
            case 'B': {
                auto *button = qobject_cast<QPushButton *>(widget);
                ASSERT_NE(button, nullptr);
                EXPECT_EQ(button->text(), caption);
                EXPECT_NE(button->focusPolicy() & Qt::TabFocus, 0);
                EXPECT_FALSE(button->isDefault());
                EXPECT_FALSE(button->autoDefault());
                break;
            }
            case 'P': {
                auto *box = qobject_cast<talvex::PictureBox *>(widget);
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->frameShadow(), QFrame::Sunken);
                EXPECT_EQ(box->picture().size(), QSize(100, 100));
                break;
            }
        }
        EXPECT_EQ(widget->geometry(), QRect(e.x, e.y, e.w, e.h));
        const QFontInfo used(widget->font());
        EXPECT_EQ(used.family(), QStringLiteral("Liberation Sans"));
        EXPECT_FALSE(used.italic());
        EXPECT_FALSE(widget->font().underline());
        EXPECT_FALSE(widget->font().strikeOut());
        if (e.points > 0) {
            EXPECT_EQ(widget->font().pointSizeF(), e.points);
            EXPECT_EQ(widget->font().weight(), QFont::Bold);
            EXPECT_TRUE(used.bold());
        } else {
            EXPECT_EQ(widget->font(), dialog);
            EXPECT_FALSE(used.bold());
        }
    }
}

TEST_F(FormAt96, ControlsAreFoundByName) {
    EXPECT_EQ(form_.label("Label16")->caption(),
              QStringLiteral("Second parameter is 0,1,2. Get value in bytes,KB or MB"));
    EXPECT_EQ(form_.label("Label20", 3)->caption(), QStringLiteral("qzProcSpeed"));
    EXPECT_EQ(form_.button("Command5")->text(), QStringLiteral("Get CPU information"));
    EXPECT_NE(form_.picture("Picture1"), nullptr);
    EXPECT_NE(form_.line("Line6"), nullptr);
    EXPECT_EQ(form_.label("Label20"), nullptr);    // an array needs its index
    EXPECT_EQ(form_.label("Command1"), nullptr);   // not a label
    EXPECT_EQ(form_.button("Command4"), nullptr);  // no button bears 4
}

TEST_F(FormAt96, StackingFollowsTheTable) {
    // Children are painted in order: the last one lies in front.
    std::map<QString, int> stackOf;
    for (const Expected &e : kExpected) stackOf[QString::fromLatin1(e.name)] = e.stack;
    std::vector<int> stacks;
    for (QObject *child : form_.children()) {
        auto it = stackOf.find(child->objectName());
        if (child->isWidgetType() && it != stackOf.end()) stacks.push_back(it->second);
    }
    ASSERT_EQ(stacks.size(), 52u);
    for (size_t i = 0; i < stacks.size(); ++i)
        EXPECT_EQ(stacks[i], int(52 - i)) << "position " << i;
}

TEST_F(FormAt96, TabVisitsTheFiveInOrderAndReturns) {
    ASSERT_NO_FATAL_FAILURE(showAndActivate(form_));
    ASSERT_EQ(QApplication::focusWidget(), form_.button("Command1"));
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"Command5", "Command2", "Command3", "Picture1", "Command1"}));
}

// Where the font's ink of a caption reaches in its label: every caption
// of the layout should fit its box wrapped, with nothing cut off.
TEST_F(FormAt96, EveryCaptionFitsItsBox) {
    QStringList tooBig;
    for (auto *label : form_.findChildren<talvex::CaptionLabel *>()) {
        const QFontMetrics metrics(label->font());
        const QStringList lines = label->wrappedLines();
        int right = 0;
        int bottom = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QString line = lines[i];
            while (line.endsWith(u' ')) line.chop(1);  // trailing spaces show nothing
            if (line.isEmpty()) continue;
            right = std::max(right, metrics.horizontalAdvance(line));
            const QRect ink = metrics.tightBoundingRect(line);
            bottom = std::max(bottom,
                              int(i) * metrics.lineSpacing() + metrics.ascent() + ink.bottom() + 1);
        }
        if (right > label->width() || bottom > label->height()) {
            tooBig << QStringLiteral("%1 needs %2x%3 in %4x%5")
                          .arg(label->objectName())
                          .arg(right)
                          .arg(bottom)
                          .arg(label->width())
                          .arg(label->height());
        }
    }
    for (auto *button : form_.findChildren<QPushButton *>()) {
        const QFontMetrics metrics(button->font());
        if (metrics.horizontalAdvance(button->text()) > button->width() - 4 ||
            metrics.height() > button->height()) {
            tooBig << button->objectName();
        }
    }
    EXPECT_TRUE(tooBig.isEmpty()) << tooBig.join(u'\n').toStdString();
}

TEST(Application, NameAndVersionFromTheVersionRecord) {
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("talvexview"));
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral("1.0.0.0"));
}

}  // namespace
