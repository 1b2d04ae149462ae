#include "layout.h"

#include <array>

namespace talvex {
namespace {

constexpr auto L = Kind::Label;
constexpr auto B = Kind::CommandButton;
constexpr auto P = Kind::PictureBox;
constexpr auto N = Kind::Line;
constexpr auto D = TextColour::Default;
constexpr std::optional<double> F;  // the window's default font

constexpr std::array<Control, 52> kControls{{
    // Lines: X1, Y1, X2, Y2.
    {N, "Line1", -1, 3360, 120, 3360, 5400, -1, 32, F, D, ""},
    {N, "Line2", -1, 3480, 3480, 8520, 3480, -1, 30, F, D, ""},
    {N, "Line3", -1, 240, 6120, 8520, 6120, -1, 21, F, D, ""},
    {N, "Line4", -1, 8640, 120, 8640, 6960, -1, 14, F, D, ""},
    {N, "Line5", -1, 8760, 3480, 10800, 3480, -1, 10, F, D, ""},
    {N, "Line6", -1, 360, 7320, 8520, 7320, -1, 8, F, D, ""},

    // Memory column.
    {L, "Label14", -1, 120, 120, 2055, 495, 9, 44, F, D,
     "If your application need to know memory size just use"},
    {L, "Label17", -1, 120, 600, 1935, 375, 10, 43, 13.5, D, "qzGetMemory"},
    {L, "Label13", -1, 120, 1080, 3015, 495, 11, 42, F, D,
     "First parameter is integer from 1 to 7, just set what value you want."},
    {L, "Label16", -1, 120, 1560, 2655, 495, 12, 41, F, D,
     "Second parameter is 0,1,2. Get value in bytes,KB or MB"},
    {B, "Command1", -1, 120, 2040, 2655, 615, 0, 5, F, D, "Get Memory Size"},
    {L, "Label1", -1, 240, 2880, 2535, 255, 1, 52, F, D, "Total  %"},
    {L, "Label2", -1, 240, 3120, 2535, 255, 2, 51, F, D, "Total Phys"},
    {L, "Label3", -1, 240, 3360, 2415, 255, 3, 50, F, D, "Avail Phys"},
    {L, "Label4", -1, 240, 3600, 2655, 255, 4, 49, F, D, "Total Virtual"},
    {L, "Label5", -1, 240, 3840, 2295, 255, 5, 48, F, D, "Avail Virtual"},
    {L, "Label6", -1, 240, 4080, 2415, 255, 6, 47, F, D, "Total Pages"},
    {L, "Label7", -1, 240, 4320, 2535, 255, 7, 46, F, D, "Avail Pages"},
    {L, "Label24", -1, 240, 4560, 2895, 255, 22, 31, F, D, "All values are in KB as you see."},
    {L, "Label18", -1, 240, 4800, 3255, 615, 13, 40, F, D,
     "Use it just to see is there memory your application need or when you want to make your "
     "own memory monitor application."},

    // Processor area.
    {L, "Label19", -1, 3840, 120, 3255, 255, 15, 39, F, D, "If you want to know CPU ID use"},
    {B, "Command5", -1, 6720, 240, 1695, 615, 14, 4, F, D, "Get CPU information"},
    {L, "Label20", 0, 3840, 360, 2295, 255, 16, 38, 12, D, "qzProcessorName"},
    {L, "Label20", 1, 3840, 720, 2655, 255, 17, 37, 12, D, "qzProcessorIdentifier"},
    {L, "Label20", 2, 3840, 1080, 2655, 255, 18, 36, 12, D, "qzProcessorVendor"},
    {L, "Label20", 3, 3840, 1440, 2655, 255, 24, 28, 12, D, "qzProcSpeed"},
    {L, "Label20", 4, 3840, 1800, 2655, 255, 25, 27, 12, D, "qzFrequencyCounter"},
    {L, "Label21", -1, 3840, 2160, 4455, 255, 19, 35, F, D, "Processor Identifier"},
    {L, "Label22", -1, 3840, 2400, 4575, 255, 20, 34, F, D, "Processor Vendor"},
    {L, "Label23", -1, 3840, 2640, 4695, 255, 21, 33, F, D, "Processor Name"},
    {L, "Label11", -1, 3840, 2880, 4575, 255, 8, 45, F, D, "Processor Speed in MHZ"},
    {L, "Label25", -1, 3840, 3120, 4695, 255, 23, 29, F, D,
     "Processor frequency counter per seccond"},

    // Timer area.
    {L, "Label8", -1, 3840, 3600, 1935, 855, 26, 26, F, D,
     "High resolution timer value. Use it with frequency counter and you will get time in very "
     "high resolution"},
    {L, "Label10", -1, 6360, 3600, 2175, 1935, 29, 23, F, D,
     "CPU make ticks all the time.When you call qzHihgCounterStart we remember current tick "
     "counter, and when you call qzHighCounterEnd we will get you how many ticks CPU has made. "
     "Use frequency counter and you can get time value."},
    {L, "Label9", 0, 3840, 4440, 2415, 375, 27, 25, 12, D, "qzHihgCounterStart"},
    {L, "Label9", 1, 3840, 4800, 2415, 375, 28, 24, 12, D, "qzHihgCounterEnd"},
    {B, "Command2", -1, 3840, 5160, 2415, 375, 30, 3, F, D, "Test High timer"},
    {L, "Label12", -1, 3840, 5640, 4575, 375, 31, 22, F, D, "How GDI is fast."},

    // Logo column.
    {P, "Picture1", -1, 9120, 360, 1575, 1575, 39, 1, F, D, ""},
    {L, "Label31", -1, 9600, 2040, 495, 495, 40, 13, 18, D, "QZ"},
    {L, "Label32", -1, 9000, 2400, 1695, 375, 41, 12, 18, D, "TALVEX"},
    {L, "Label33", -1, 8880, 2760, 2055, 375, 42, 11, 18, D, "WIN32 DLL"},
    {L, "Label34", -1, 8760, 3600, 2055, 3255, 43, 9, F, TextColour::Red,
     "If you need memory information, CPU information, High resolution timers, then try this "
     "small library. It is very small, compact, fast and easy to use. You will  get all "
     "information to make your own memory monitor part of your application. Sometimes speed is "
     "very important. Let your application know on what configuration it is running. This "
     "information is sometimes very interesting to know, so here is DLL library for all."},

    // System-time strip.
    {L, "Label15", -1, 360, 6240, 7695, 255, 32, 20, F, D,
     "Amount of time that the system has spent in idle, kernel or user mode.(Minimum XP SP1 is "
     "needed for this)"},
    {L, "Label26", -1, 360, 6480, 6135, 255, 33, 19, 12, D,
     "qzGetIdleTime, qzGetKernelTime, qzGetUserTime"},
    {L, "Label27", -1, 6600, 6480, 1935, 255, 34, 18, F, D, "return sec or min."},
    {B, "Command3", -1, 360, 6840, 2055, 255, 35, 2, F, D, "Check System time "},
    {L, "Label28", -1, 2760, 6840, 1335, 255, 36, 17, F, D, "Idle time"},
    {L, "Label29", -1, 4440, 6840, 1575, 375, 37, 16, F, D, "Kernel time"},
    {L, "Label30", -1, 6120, 6840, 1695, 255, 38, 15, F, D, "User time"},

    // Priority strip.
    {L, "Label35", -1, 360, 7440, 1815, 375, 44, 7, F, D, "Control execution priority "},
    {L, "Label36", -1, 360, 7680, 10455, 495, 45, 6, 12, D,
     "qzSetPriorityReal, qzSetPriorityHigh, qzSetPriorityNormal, qzSetPriorityIdle"},
}};

}  // namespace

std::span<const Control> controls() {
    return kControls;
}

std::string qualifiedName(const Control &control) {
    std::string name(control.name);
    if (control.index >= 0) name += "(" + std::to_string(control.index) + ")";
    return name;
}

}  // namespace talvex
