// The five actions against the scripted stand-in: what each calls, in what
// order and with what arguments, and the captions it builds.
#include <QFileInfo>
#include <QTest>
#include <functional>
#include <map>
#include <set>

#include "standin_fixture.h"

namespace {

// Starts an action the way a user does: a button's click, or a mouse click
// on Label16.
void press(talvex::Form &form, const char *control) {
    if (QPushButton *button = form.button(control)) {
        button->click();
    } else {
        QTest::mouseClick(form.label(control), Qt::LeftButton);
    }
}

std::vector<unsigned char> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

}  // namespace

TEST_F(StandinActions, LoadsAtFirstCallAndBindsEachFunctionWhenFirstCalled) {
    EXPECT_FALSE(library->isLoaded());
    press(*form, "Command3");
    ASSERT_TRUE(library->isLoaded());
    EXPECT_EQ(QFileInfo(library->fileName()).canonicalFilePath(),
              QFileInfo(QString::fromUtf8(QZ_STANDIN_FILE)).canonicalFilePath());
    using F = talvex::LibraryFunction;
    for (F f : {F::GetIdleTime, F::GetKernelTime, F::GetUserTime}) EXPECT_TRUE(library->isBound(f));
    for (F f : {F::GetMemorySize, F::ProcSpeed, F::FrequencyCounter, F::ProcessorName})
        EXPECT_FALSE(library->isBound(f)) << talvex::exportName(f);
    press(*form, "Label16");
    EXPECT_TRUE(library->isBound(F::ProcSpeed));
}

TEST_F(StandinActions, EachActionCallsItsFunctionsInOrder) {
    using Calls = std::vector<Call>;
    const std::vector<std::pair<const char *, Calls>> table = {
        {"Command1",
         {{"qzGetMemorySize", 1},
          {"qzGetMemorySize", 2},
          {"qzGetMemorySize", 3},
          {"qzGetMemorySize", 4},
          {"qzGetMemorySize", 5},
          {"qzGetMemorySize", 6},
          {"qzGetMemorySize", 7}}},
        {"Command2",
         {{"qzFrequencyCounter", 0}, {"qzHighCounterStart", 0}, {"qzHighCounterEnd", 0}}},
        {"Command3", {{"qzGetIdleTime", 1}, {"qzGetKernelTime", 1}, {"qzGetUserTime", 1}}},
        {"Command5",
         {{"qzProcessorName", 0},
          {"qzProcessorVendor", 0},
          {"qzProcessorIdentifier", 0},
          {"qzProcSpeed", 0},
          {"qzFrequencyCounter", 0}}},
        {"Label16", {{"qzProcSpeed", 0}}},
    };
    script().frequency = 1000;
    for (const auto &[control, expected] : table) {
        calls().clear();
        press(*form, control);
        EXPECT_EQ(calls(), expected) << control;
    }
    // Other controls run nothing.
    calls().clear();
    for (const char *label : {"Label1", "Label12", "Label14", "Label34"})
        QTest::mouseClick(form->label(label), Qt::LeftButton);
    QTest::mouseClick(form->picture("Picture1"), Qt::LeftButton);
    EXPECT_TRUE(calls().empty());
}

TEST_F(StandinActions, CaptionsFromTheLibrarysAnswers) {
    struct Row {
        const char *name;
        std::function<void(QzStandinScript &)> answers;
        const char *control;
        const char *label;
        QString caption;
    };
    const std::vector<Row> table = {
        {"memory load", [](auto &s) { s.memory[1] = 45; }, "Command1", "Label1", "Memory %   : 45"},
        {"physical", [](auto &s) { s.memory[2] = 16318004; }, "Command1", "Label2",
         "Memory Ph  : 16318004"},
        {"zero", [](auto &) {}, "Command1", "Label3", "Memory AvPh: 0"},
        {"negative", [](auto &s) { s.memory[4] = -128; }, "Command1", "Label4", "Memory Virt:-128"},
        {"lowest", [](auto &s) { s.memory[5] = INT32_MIN; }, "Command1", "Label5",
         "Memory AvVr:-2147483648"},
        {"highest", [](auto &s) { s.memory[6] = INT32_MAX; }, "Command1", "Label6",
         "Memory Page: 2147483647"},
        {"last row", [](auto &s) { s.memory[7] = 7; }, "Command1", "Label7", "Memory AvPg: 7"},
        {"vendor and stray byte",
         [](auto &s) {
             setString(s.vendor, bytesOf({"GenuineIntel\0X\0", 15}));
         },
         "Command5", "Label22", "Vendor:GenuineIntelX"},
        {"zero skipped",
         [](auto &s) {
             setString(s.name, {65, 0, 66});
         },
         "Command5", "Label23", "Name:AB"},
        {"nothing written", [](auto &) {}, "Command5", "Label21", "Identifier:"},
        {"western code page",
         [](auto &s) {
             setString(s.identifier, {0x80, 0xE9, 0x9F, 0});
         },
         "Command5", "Label21", QString::fromUtf8("Identifier:\u20AC\u00E9\u0178")},
        {"257 bytes, 255 read",
         [](auto &s) { setString(s.name, std::vector<unsigned char>(257, 'A')); }, "Command5",
         "Label23", "Name:" + QString(255, u'A')},
        {"speed", [](auto &s) { s.speed = 2394; }, "Command5", "Label11", "Speed in MHZ: 2394"},
        {"speed into Label16", [](auto &s) { s.speed = 2394; }, "Label16", "Label16", " 2394"},
        {"missing speed", [](auto &s) { s.speed = 260; }, "Label16", "Label16", " 260"},
        {"frequency", [](auto &s) { s.frequency = 1000000000; }, "Command5", "Label25",
         "Tick counter per one seccond: 1000000000"},
        {"idle", [](auto &s) { s.idle = 5; }, "Command3", "Label28", "Idle: 5"},
        {"kernel", [](auto &s) { s.kernel = -3; }, "Command3", "Label29", "Kernel:-3"},
        {"user", [](auto &s) { s.user = 0; }, "Command3", "Label30", "User: 0"},
        {"repaint time",
         [](auto &s) {
             s.frequency = 1000;
             s.end = 25;
         },
         "Command2", "Label12", "Time to refresh form is: 0.025 seconds"},
        {"wrapped ticks",
         [](auto &s) {
             s.frequency = 3579545;
             s.end = -1789773;
         },
         "Command2", "Label12", "Time to refresh form is:-0.5 seconds"},
        {"no frequency", [](auto &s) { s.end = 25; }, "Command2", "Label12",
         "Time to refresh form is: unavailable"},
    };
    for (const Row &row : table) {
        script() = QzStandinScript{};
        row.answers(script());
        press(*form, row.control);
        EXPECT_EQ(caption(row.label), row.caption) << row.name;
    }
}

TEST_F(StandinActions, ProcessorCaptionsDependOnlyOnThisPressesBytes) {
    setString(script().name, bytesOf({"Long processor name\0", 20}));
    setString(script().vendor, bytesOf({"AuthenticAMD\0Q\0", 15}));
    press(*form, "Command5");
    const QString name = caption("Label23");
    const QString vendor = caption("Label22");
    press(*form, "Command5");
    EXPECT_EQ(caption("Label23"), name);
    EXPECT_EQ(caption("Label22"), vendor);
    // A shorter value on the next press leaves nothing of the longer one.
    setString(script().name, bytesOf({"XY\0", 3}));
    press(*form, "Command5");
    EXPECT_EQ(caption("Label23"), "Name:XY");
    EXPECT_EQ(caption("Label22"), "Vendor:AuthenticAMDQ");
}

TEST_F(StandinActions, NoFrequencyLeavesTheWindowWorking) {
    press(*form, "Command2");
    EXPECT_EQ(caption("Label12"), "Time to refresh form is: unavailable");
    script().memory[1] = 45;
    press(*form, "Command1");
    EXPECT_EQ(caption("Label1"), "Memory %   : 45");
    EXPECT_TRUE(form->isVisible());
}

// Counts the paint events of every control between the counter's start and
// its end.
class PaintWatch : public QObject {
  public:
    std::set<QObject *> painted;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) painted.insert(watched);
        return false;
    }
};

TEST_F(StandinActions, RepaintDrawsEveryControlBetweenStartAndEnd) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    static PaintWatch watch;
    static std::size_t atStart, atEnd;
    const auto children = form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) child->installEventFilter(&watch);
    form->installEventFilter(&watch);
    script().frequency = 1000;
    script().onCall = [](const char *function, std::int32_t) {
        if (std::strcmp(function, "qzHighCounterStart") == 0) {
            watch.painted.clear();
            atStart = 0;
        }
        if (std::strcmp(function, "qzHighCounterEnd") == 0) atEnd = watch.painted.size();
    };
    press(*form, "Command2");
    EXPECT_EQ(atStart, 0u);
    EXPECT_EQ(atEnd, std::size_t(children.size()) + 1);  // every control and the form
}
