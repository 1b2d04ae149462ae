// The controls as the user must see them at 96 dots per inch, written out
// independently of the layout table: pixels, tab index, stack, bold font
// size (0 for the window's default font), caption, red text.
#pragma once

#include <array>

struct Expected {
    const char *name;
    char kind;       // L label, B command button, P picture box, N line
    int x, y, w, h;  // lines: x1, y1, x2, y2
    int tab;
    int stack;
    double points;
    const char *caption;
    bool red;
};

inline constexpr std::array<Expected, 52> kExpected{{
    {"Line1", 'N', 224, 8, 224, 360, -1, 32, 0, "", false},
    {"Line2", 'N', 232, 232, 568, 232, -1, 30, 0, "", false},
    {"Line3", 'N', 16, 408, 568, 408, -1, 21, 0, "", false},
    {"Line4", 'N', 576, 8, 576, 464, -1, 14, 0, "", false},
    {"Line5", 'N', 584, 232, 720, 232, -1, 10, 0, "", false},
    {"Line6", 'N', 24, 488, 568, 488, -1, 8, 0, "", false},
    {"Label14", 'L', 8, 8, 137, 33, 9, 44, 0,
     "If your application need to know memory size just use", false},
    {"Label17", 'L', 8, 40, 129, 25, 10, 43, 13.5, "qzGetMemory", false},
    {"Label13", 'L', 8, 72, 201, 33, 11, 42, 0,
     "First parameter is integer from 1 to 7, just set what value you want.", false},
    {"Label16", 'L', 8, 104, 177, 33, 12, 41, 0,
     "Second parameter is 0,1,2. Get value in bytes,KB or MB", false},
    {"Command1", 'B', 8, 136, 177, 41, 0, 5, 0, "Get Memory Size", false},
    {"Label1", 'L', 16, 192, 169, 17, 1, 52, 0, "Total  %", false},
    {"Label2", 'L', 16, 208, 169, 17, 2, 51, 0, "Total Phys", false},
    {"Label3", 'L', 16, 224, 161, 17, 3, 50, 0, "Avail Phys", false},
    {"Label4", 'L', 16, 240, 177, 17, 4, 49, 0, "Total Virtual", false},
    {"Label5", 'L', 16, 256, 153, 17, 5, 48, 0, "Avail Virtual", false},
    {"Label6", 'L', 16, 272, 161, 17, 6, 47, 0, "Total Pages", false},
    {"Label7", 'L', 16, 288, 169, 17, 7, 46, 0, "Avail Pages", false},
    {"Label24", 'L', 16, 304, 193, 17, 22, 31, 0, "All values are in KB as you see.", false},
    {"Label18", 'L', 16, 320, 217, 41, 13, 40, 0,
     "Use it just to see is there memory your application need or when you want to make your own "
     "memory monitor application.",
     false},
    {"Label19", 'L', 256, 8, 217, 17, 15, 39, 0, "If you want to know CPU ID use", false},
    {"Command5", 'B', 448, 16, 113, 41, 14, 4, 0, "Get CPU information", false},
    {"Label20(0)", 'L', 256, 24, 153, 17, 16, 38, 12, "qzProcessorName", false},
    {"Label20(1)", 'L', 256, 48, 177, 17, 17, 37, 12, "qzProcessorIdentifier", false},
    {"Label20(2)", 'L', 256, 72, 177, 17, 18, 36, 12, "qzProcessorVendor", false},
    {"Label20(3)", 'L', 256, 96, 177, 17, 24, 28, 12, "qzProcSpeed", false},
    {"Label20(4)", 'L', 256, 120, 177, 17, 25, 27, 12, "qzFrequencyCounter", false},
    {"Label21", 'L', 256, 144, 297, 17, 19, 35, 0, "Processor Identifier", false},
    {"Label22", 'L', 256, 160, 305, 17, 20, 34, 0, "Processor Vendor", false},
    {"Label23", 'L', 256, 176, 313, 17, 21, 33, 0, "Processor Name", false},
    {"Label11", 'L', 256, 192, 305, 17, 8, 45, 0, "Processor Speed in MHZ", false},
    {"Label25", 'L', 256, 208, 313, 17, 23, 29, 0, "Processor frequency counter per seccond",
     false},
    {"Label8", 'L', 256, 240, 129, 57, 26, 26, 0,
     "High resolution timer value. Use it with frequency counter and you will get time in very "
     "high resolution",
     false},
    {"Label10", 'L', 424, 240, 145, 129, 29, 23, 0,
     "CPU make ticks all the time.When you call qzHihgCounterStart we remember current tick "
     "counter, and when you call qzHighCounterEnd we will get you how many ticks CPU has made. Use "
     "frequency counter and you can get time value.",
     false},
    {"Label9(0)", 'L', 256, 296, 161, 25, 27, 25, 12, "qzHihgCounterStart", false},
    {"Label9(1)", 'L', 256, 320, 161, 25, 28, 24, 12, "qzHihgCounterEnd", false},
    {"Command2", 'B', 256, 344, 161, 25, 30, 3, 0, "Test High timer", false},
    {"Label12", 'L', 256, 376, 305, 25, 31, 22, 0, "How GDI is fast.", false},
    {"Picture1", 'P', 608, 24, 105, 105, 39, 1, 0, "", false},
    {"Label31", 'L', 640, 136, 33, 33, 40, 13, 18, "QZ", false},
    {"Label32", 'L', 600, 160, 113, 25, 41, 12, 18, "TALVEX", false},
    {"Label33", 'L', 592, 184, 137, 25, 42, 11, 18, "WIN32 DLL", false},
    {"Label34", 'L', 584, 240, 137, 217, 43, 9, 0,
     "If you need memory information, CPU information, High resolution timers, then try this small "
     "library. It is very small, compact, fast and easy to use. You will  get all information to "
     "make your own memory monitor part of your application. Sometimes speed is very important. "
     "Let your application know on what configuration it is running. This information is sometimes "
     "very interesting to know, so here is DLL library for all.",
     true},
    {"Label15", 'L', 24, 416, 513, 17, 32, 20, 0,
     "Amount of time that the system has spent in idle, kernel or user mode.(Minimum XP SP1 is "
     "needed for this)",
     false},
    {"Label26", 'L', 24, 432, 409, 17, 33, 19, 12, "qzGetIdleTime, qzGetKernelTime, qzGetUserTime",
     false},
    {"Label27", 'L', 440, 432, 129, 17, 34, 18, 0, "return sec or min.", false},
    {"Command3", 'B', 24, 456, 137, 17, 35, 2, 0, "Check System time ", false},
    {"Label28", 'L', 184, 456, 89, 17, 36, 17, 0, "Idle time", false},
    {"Label29", 'L', 296, 456, 105, 25, 37, 16, 0, "Kernel time", false},
    {"Label30", 'L', 408, 456, 113, 17, 38, 15, 0, "User time", false},
    {"Label35", 'L', 24, 496, 121, 25, 44, 7, 0, "Control execution priority ", false},
    {"Label36", 'L', 24, 512, 697, 33, 45, 6, 12,
     "qzSetPriorityReal, qzSetPriorityHigh, qzSetPriorityNormal, qzSetPriorityIdle", false},
}};
