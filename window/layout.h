// The window's layout as data: every control of the demonstration window with
// its kind, name, box in twips, tab index, stacking position, font and caption.
// The form is built from this table and from nothing else.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace talvex {

enum class Kind { Label, CommandButton, PictureBox, Line };

// Text colour of a control; Default keeps its kind's system colour.
enum class TextColour { Default, Red };

struct Control {
    Kind kind;
    std::string_view name;
    int index;  // element of a control array, or -1 for a plain control
    // Labels, buttons, the picture box: Left, Top, Width, Height.
    // Lines: X1, Y1, X2, Y2.
    int a, b, c, d;
    int tab;    // tab index; -1 for lines, which have none
    int stack;  // 1 is the front, 52 the back
    // Size in points of the control's own bold font; nullopt keeps the
    // window's default font.
    std::optional<double> fontPoints;
    TextColour colour;
    std::string_view caption;

    int left() const { return a; }
    int top() const { return b; }
    int width() const { return c; }
    int height() const { return d; }
    int x1() const { return a; }
    int y1() const { return b; }
    int x2() const { return c; }
    int y2() const { return d; }
};

// The window itself.
inline constexpr std::string_view kFormName = "Form1";
inline constexpr std::string_view kFormCaption = "QZ TALVEX WIN32 DLL - demo";
inline constexpr int kClientWidthTwips = 10980;
inline constexpr int kClientHeightTwips = 8145;

// All 52 controls, lines first, then the others in reading order.
std::span<const Control> controls();

// "Label20(3)" for an array element, the plain name otherwise.
std::string qualifiedName(const Control &control);

}  // namespace talvex
