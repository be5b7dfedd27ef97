// The life of each program's windows: secondary windows closed and reopened in every state, the
// program ended by "Выход" or by the main window's close box with every set of windows open, and
// long bursts of clicks on every button. The sequences run through the model check of the windows,
// so every label, message box and open window is compared after each step.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <malloc.h>
#include <unistd.h>

#include <fstream>
#include <iostream>

#include "tests/model/programs_under_test.h"
#include "tests/model/window_runner.h"
#include "tests/support/window_testing.h"
#include "windows/program_windows.h"

// Under AddressSanitizer the heap is its own (glibc's statistics stay at zero): gcc says so with
// __SANITIZE_ADDRESS__, clang through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define DRILL_WITH_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DRILL_WITH_ASAN 1
#endif
#endif
#ifndef DRILL_WITH_ASAN
#define DRILL_WITH_ASAN 0
#endif
#if DRILL_WITH_ASAN
#include <sanitizer/lsan_interface.h>
#endif

namespace model {
namespace {

using State = Model::State;

constexpr State kStates[] = {State::NotStarted, State::Unanswered, State::Answered, State::Finished};

const char* StateName(State state) {
    switch (state) {
        case State::NotStarted: return "not started";
        case State::Unanswered: return "unanswered";
        case State::Answered: return "answered";
        case State::Finished: return "finished";
    }
    return "?";
}

std::vector<Step> PathTo(State state, const ProgramFacts& facts) {
    switch (state) {
        case State::NotStarted: return {};
        case State::Unanswered: return {Press(Control::Command2)};
        // In the comma drill the answer is the check.
        case State::Answered: return {Press(Control::Command2), Press(facts.Kind == Variant::Comma ? Control::Command4 : Control::Command3)};
        case State::Finished: {
            std::vector<Step> steps{Press(Control::Command2)};
            steps.insert(steps.end(), static_cast<std::size_t>(facts.N), Press(Control::Command5));
            return steps;
        }
    }
    return {};
}

void Append(std::vector<Step>& steps, const std::vector<Step>& more) { steps.insert(steps.end(), more.begin(), more.end()); }

class WindowLife : public ::testing::TestWithParam<std::string> {
protected:
    const ProgramUnderTest& Program() const { return *FindProgram(GetParam()); }

    void ExpectAgreement(const std::string& what, std::vector<Step> steps) {
        SCOPED_TRACE(what);
        const ProgramUnderTest& program = Program();
        Sequence sequence;
        sequence.Seed = 7;
        sequence.Random = RandomScript(7, program.Facts.N);
        sequence.Steps = std::move(steps);
        const Runner run = [&program](const Sequence& s) { return RunOnWindows(program, s); };
        const Outcome outcome = run(sequence);
        EXPECT_FALSE(outcome.Failure) << FailureReport(program.Facts, sequence, run);
    }

    std::vector<Form> SecondaryWindows() const {
        if (Program().Facts.HasResultWindow()) return {Form::Form2, Form::Form3};
        return {Form::Form2};
    }
};

TEST_P(WindowLife, SecondaryWindowsCloseAndReopenInEveryState) {
    const ProgramFacts& facts = Program().Facts;
    for (const State state : kStates) {
        for (const Form form : SecondaryWindows()) {
            const Control button = form == Form::Form2 ? Control::Command1 : Control::Command6;
            std::vector<Step> steps;
            if (form == Form::Form2 && state == State::Unanswered) {
                // The rules cannot be opened on an unanswered item: open them on an answered one and
                // move on; once closed they stay closed until the next item is answered.
                Append(steps, PathTo(State::Answered, facts));
                Append(steps, {Press(button), Press(Control::Command5), Close(form), Press(button), Press(button)});
                Append(steps, PathTo(State::Answered, facts));
                Append(steps, {Press(button), Close(form), Press(button)});
            } else {
                steps = PathTo(state, facts);
                Append(steps, {Press(button), Close(form), Press(button), Press(button), Close(form), Close(form), Press(button)});
            }
            ExpectAgreement(std::string(StateName(state)) + ", " + (form == Form::Form2 ? "rules window" : "result window"), steps);
        }
    }
}

TEST_P(WindowLife, ExitAndTheMainCloseBoxEndEverythingWithAnyWindowsOpen) {
    const ProgramFacts& facts = Program().Facts;
    const std::vector<Form> secondary = SecondaryWindows();
    for (const State state : kStates) {
        for (unsigned open = 0; open < (1u << secondary.size()); ++open) {
            for (const Step end : {Press(Control::Command7), Close(Form::Form1)}) {
                // The windows open before the start, then the drill goes to the state.
                std::vector<Step> steps;
                if (open & 1u) steps.push_back(Press(Control::Command1));
                if (open & 2u) steps.push_back(Press(Control::Command6));
                Append(steps, PathTo(state, facts));
                steps.push_back(end);
                ExpectAgreement(std::string(StateName(state)) + ", windows open: " + std::to_string(open) +
                                    (end.What == Step::Kind::Press ? ", Выход" : ", main close box"),
                                steps);
            }
        }
    }
}

// Resident memory and the heap bytes in use, both in bytes.
std::size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t total = 0, resident = 0;
    statm >> total >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

std::size_t HeapBytes() { return mallinfo2().uordblks; }

void Settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

struct Burst {
    std::size_t messages = 0;
    std::ptrdiff_t heapGrowth = 0;
    std::ptrdiff_t residentGrowth = 0;
    qsizetype windowGrowth = 0;  // top-level windows
};

// Clicks the button as fast as the event loop lets a pupil, after a short warm-up that fills Qt's
// caches, so that the growth measured is only what the clicks keep.
Burst Clicks(QAbstractButton* button, int clicks) {
    const auto click = [button] {
        const std::size_t seen = drillwin::testing::Click(button).size();
        QApplication::processEvents();
        return seen;
    };
    for (int i = 0; i < 200; ++i) click();
    Settle();
    const std::size_t resident = ResidentBytes();
    const std::size_t heap = HeapBytes();
    const qsizetype windows = QApplication::topLevelWidgets().size();
    Burst burst;
    for (int i = 0; i < clicks; ++i) burst.messages += click();
    Settle();
    burst.heapGrowth = static_cast<std::ptrdiff_t>(HeapBytes() - heap);
    burst.residentGrowth = static_cast<std::ptrdiff_t>(ResidentBytes() - resident);
    burst.windowGrowth = QApplication::topLevelWidgets().size() - windows;
    return burst;
}

// What Qt's offscreen platform itself keeps for every showing of a window that stays alive, which
// the program's one kept message box pays too: about 96 bytes a time there, nothing on X11. Measured
// on a bare kept box shown as often, so that only what the program adds counts.
std::ptrdiff_t OffscreenShowingCost(std::size_t showings) {
    if (showings == 0) return 0;
    QWidget owner;
    QMessageBox box(&owner);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    const auto show = [&box](std::size_t times) {
        drillwin::testing::AnsweringMessages([&box, times] {
            for (std::size_t i = 0; i < times; ++i) {
                box.exec();
                QApplication::processEvents();
            }
        });
    };
    show(200);
    Settle();
    const std::size_t heap = HeapBytes();
    show(showings);
    Settle();
    return static_cast<std::ptrdiff_t>(HeapBytes() - heap);
}

// One lost allocation per click would hold at least 32 bytes each, 320 KB in all; a message box
// burst keeps about 10 KB of Qt's caches however long it runs.
constexpr std::ptrdiff_t kHeapTolerance = 64 * 1024;
constexpr std::ptrdiff_t kResidentTolerance = 1024 * 1024;

TEST_P(WindowLife, TenThousandClicksOnEachButtonInTurn) {
    const ProgramFacts& facts = Program().Facts;
    // Under the sanitizers the clicks run ten times slower and memory is held in quarantine, so the
    // bursts are shorter there and the leak checker stands in for the memory figures.
    const int clicks = DRILL_WITH_ASAN ? 1000 : 10000;
    drillwin::ProgramWindows windows(*Program().Windows);
    windows.ShowMainWindow();
    for (const Control button : {Control::Command1, Control::Command2, Control::Command3, Control::Command4,
                                 Control::Command5, Control::Command6}) {
        if (!facts.HasButton(button)) continue;
        SCOPED_TRACE(facts.Caption(button));
        ASSERT_NE(ButtonOf(windows, button), nullptr);
        const Burst burst = Clicks(ButtonOf(windows, button), clicks);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a message box stayed open";
        EXPECT_EQ(burst.windowGrowth, 0) << "windows piled up";
        EXPECT_FALSE(windows.Ended());
        if (!DRILL_WITH_ASAN) {
            const std::ptrdiff_t platform = OffscreenShowingCost(burst.messages);
            EXPECT_LT(burst.heapGrowth - platform, kHeapTolerance)
                << "heap grew by " << burst.heapGrowth << " bytes, the platform's share " << platform;
            EXPECT_LT(burst.residentGrowth - platform, kResidentTolerance)
                << "resident memory grew by " << burst.residentGrowth << " bytes, the platform's share " << platform;
            std::cout << facts.Name << " «" << facts.Caption(button) << "» x" << clicks << ": " << burst.messages
                      << " message boxes, heap " << burst.heapGrowth << " B (the platform's " << platform << " B), resident "
                      << burst.residentGrowth << " B\n";
        }
    }
    // After the bursts the round is over, and the last item's number still stands.
    EXPECT_EQ(LabelOf(windows, Form::Form1, Control::Label7)->text(), QString::number(facts.N));
    drillwin::testing::Click(ButtonOf(windows, Control::Command7));
    EXPECT_TRUE(windows.Ended());
}

#if !DRILL_WITH_ASAN
// The memory figures would see a click that kept 32 bytes.
TEST(ClickBursts, SeeMemoryThatEachClickKeeps) {
    drillwin::ProgramWindows windows(*FindProgram("Tavrel")->Windows);
    windows.ShowMainWindow();
    std::vector<std::unique_ptr<char[]>> kept;
    kept.reserve(12000);
    QAbstractButton* start = ButtonOf(windows, Control::Command2);
    QObject::connect(start, &QAbstractButton::clicked, [&kept] { kept.push_back(std::make_unique<char[]>(32)); });
    const Burst burst = Clicks(start, 10000);
    EXPECT_GT(burst.heapGrowth, kHeapTolerance);
}
#endif

// A whole round with every window opened, closed and reopened, then the program ended and its windows
// destroyed: no widget is left, and under the leak checker no allocation is lost.
TEST_P(WindowLife, WholeRoundLeavesNothingBehind) {
    const ProgramFacts& facts = Program().Facts;
    Settle();
    const qsizetype widgets = QApplication::allWidgets().size();
    {
        drillwin::ProgramWindows windows(*Program().Windows);
        windows.ShowMainWindow();
        const auto click = [&windows](Control button) { drillwin::testing::Click(ButtonOf(windows, button)); };
        click(Control::Command1);
        click(Control::Command2);
        for (int position = 1; position <= facts.N; ++position) {
            click(position % 3 == 0 ? Control::Command4 : Control::Command3);
            if (position % 4 == 0) click(Control::Command1);
            if (facts.HasResultWindow()) click(Control::Command6);
            if (position % 5 == 0) {
                for (const Form form : {Form::Form2, Form::Form3}) {
                    if (QWidget* window = windows.Window(form)) window->close();
                }
            }
            click(Control::Command5);
        }
        click(Control::Command1);
        click(Control::Command7);
        ASSERT_TRUE(windows.Ended());
    }
    Settle();
    EXPECT_EQ(QApplication::allWidgets().size(), widgets) << "widgets outlived their program";
#if DRILL_WITH_ASAN
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "the leak checker found lost allocations (report above)";
#endif
}

#if DRILL_WITH_ASAN
// The leak check above would see an allocation that nothing points to any more.
TEST(LeakChecker, SeesALostAllocation) {
    // The only trace of the allocation is its address scrambled, which the checker cannot follow.
    volatile std::uintptr_t hidden = reinterpret_cast<std::uintptr_t>(new char[48]) ^ 0x5A5A5A5Aul;
    EXPECT_NE(__lsan_do_recoverable_leak_check(), 0);
    delete[] reinterpret_cast<char*>(hidden ^ 0x5A5A5A5Aul);
}
#endif

INSTANTIATE_TEST_SUITE_P(Programs, WindowLife, ::testing::ValuesIn([] {
                             std::vector<std::string> names;
                             for (const ProgramUnderTest& program : ProgramsUnderTest()) names.push_back(program.Facts.Name);
                             return names;
                         }()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace model
