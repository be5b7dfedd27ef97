// What a program prepares while idle after its main window's first frame: every program's first
// presses show, from the prepared windows and box, exactly what a program that prepared nothing
// shows; nothing is prepared before the first frame, a window the pupil closes is prepared again,
// and an ended program prepares nothing more. Run at the scale factors 1, 1.5 and 2.

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QPointer>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/drill.h"
#include "programs/registry.h"
#include "tests/support/window_testing.h"
#include "windows/form_window.h"
#include "windows/program_windows.h"

namespace drillwin::testing {
namespace {

using drill::Control;
using drill::Form;

void TurnEventLoop() {
    // A closed window is deleted once the event loop turns; the test turns it itself.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// Turns the event loop until the program has prepared what the presses show, for at most as many
// turns as the preparation has steps and then some.
bool WaitUntilPrepared(ProgramWindows& windows) {
    for (int turn = 0; turn < 100 && !windows.Prepared(); ++turn) TurnEventLoop();
    return windows.Prepared();
}

// The program's windows that exist but are not shown: what it has prepared.
std::vector<FormWindow*> HiddenWindows() {
    std::vector<FormWindow*> hidden;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<FormWindow*>(widget);
        if (window && !window->isVisible()) hidden.push_back(window);
    }
    return hidden;
}

FormWindow* HiddenWindow(Form form) {
    for (FormWindow* window : HiddenWindows()) {
        if (window->Layout().form == form) return window;
    }
    return nullptr;
}

// What the first presses show: the secondary windows as their buttons open them before the start
// (the rules, the result where there is one), and a warning and a notice in the message box.
struct Shown {
    std::vector<QImage> windows;
    std::vector<QRect> geometries;
    std::vector<SeenMessage> messages;
};

Shown FirstPresses(ProgramWindows& windows) {
    Shown shown;
    for (const Control button : {Control::Command1, Control::Command6}) {
        if (!ButtonOf(windows, button)) continue;
        EXPECT_TRUE(Click(ButtonOf(windows, button)).empty());
        QWidget* window = windows.Window(button == Control::Command1 ? Form::Form2 : Form::Form3);
        if (!window) {
            ADD_FAILURE() << "the press opened no window";
            continue;
        }
        shown.windows.push_back(window->grab().toImage());
        shown.geometries.push_back(window->geometry());
    }
    shown.messages = AnsweringMessages([&windows] {
        windows.ShowMessage(drill::RulesWarning, drill::MessageStyle::Warning, u"Tavrel");
        windows.ShowMessage(u"Опрос окончен.", drill::MessageStyle::Information, u"Tavrel");
    });
    return shown;
}

class PreparedWindows : public ::testing::TestWithParam<programs::Registered> {
protected:
    const ProgramDescription& Program() const { return GetParam().program(); }
};

TEST_P(PreparedWindows, FirstPressesShowWhatTheyShowWithoutPreparation) {
    ProgramWindows prepared(Program());
    prepared.ShowMainWindow();
    ASSERT_TRUE(WaitUntilPrepared(prepared));
    // The first presses take the windows built while idle.
    FormWindow* rules = HiddenWindow(Form::Form2);
    ASSERT_NE(rules, nullptr);
    const Shown fromPrepared = FirstPresses(prepared);
    EXPECT_EQ(prepared.Window(Form::Form2), rules);

    // A program whose main window never painted a frame has prepared nothing.
    ProgramWindows unprepared(Program());
    const std::size_t hiddenBefore = HiddenWindows().size();
    const Shown withoutPreparation = FirstPresses(unprepared);
    EXPECT_FALSE(unprepared.Prepared());
    EXPECT_LE(HiddenWindows().size(), hiddenBefore + 1) << "only its own main window, never shown";

    ASSERT_EQ(fromPrepared.windows.size(), withoutPreparation.windows.size());
    for (std::size_t i = 0; i < fromPrepared.windows.size(); ++i) {
        EXPECT_EQ(fromPrepared.windows[i], withoutPreparation.windows[i]) << "window " << i << ", pixel for pixel";
        EXPECT_EQ(fromPrepared.geometries[i], withoutPreparation.geometries[i]) << "window " << i;
    }
    ASSERT_EQ(fromPrepared.messages.size(), 2u);
    ASSERT_EQ(withoutPreparation.messages.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const SeenMessage& a = fromPrepared.messages[i];
        const SeenMessage& b = withoutPreparation.messages[i];
        EXPECT_EQ(a.text, b.text);
        EXPECT_EQ(a.title, b.title);
        EXPECT_EQ(a.icon, b.icon);
        EXPECT_EQ(a.spokenValue, b.spokenValue);
        EXPECT_EQ(a.palette, b.palette);
        EXPECT_FALSE(a.iconPixmap.isNull());
        EXPECT_EQ(a.iconPixmap.devicePixelRatio(), b.iconPixmap.devicePixelRatio());
        EXPECT_EQ(a.iconPixmap.toImage(), b.iconPixmap.toImage()) << "message " << i;
        EXPECT_FALSE(a.picture.isNull());
        EXPECT_EQ(a.picture, b.picture) << "message " << i << ", pixel for pixel";
    }
}

// Notes, when the main window's first frame is painted, which windows the program has built hidden.
class FirstFrameWatch final : public QObject {
public:
    explicit FirstFrameWatch(QWidget* main) : main_(main) { main->installEventFilter(this); }
    bool Painted() const { return painted_; }
    std::size_t HiddenAtFirstFrame() const { return hidden_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == main_ && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            hidden_ = HiddenWindows().size();
        }
        return false;
    }

private:
    QWidget* main_;
    bool painted_ = false;
    std::size_t hidden_ = 0;
};

TEST_P(PreparedWindows, NothingBeforeTheFirstFrameAndAClosedWindowIsPreparedAgain) {
    const std::size_t hiddenBefore = HiddenWindows().size();
    ProgramWindows windows(Program());
    const FirstFrameWatch watch(windows.Window(Form::Form1));
    windows.ShowMainWindow();
    ASSERT_TRUE(WaitUntilPrepared(windows));
    ASSERT_TRUE(watch.Painted());
    EXPECT_EQ(watch.HiddenAtFirstFrame(), hiddenBefore) << "windows built before the first frame";
    EXPECT_GT(HiddenWindows().size(), hiddenBefore) << "and after it";
    EXPECT_EQ(windows.Window(Form::Form2), nullptr) << "a prepared window is not open";

    ASSERT_TRUE(Click(ButtonOf(windows, Control::Command1)).empty());
    QWidget* first = windows.Window(Form::Form2);
    ASSERT_NE(first, nullptr);
    const QImage firstShown = first->grab().toImage();
    const QPointer<QWidget> closed(first);
    first->close();
    for (int turn = 0; turn < 10 && closed; ++turn) TurnEventLoop();
    ASSERT_TRUE(closed.isNull()) << "the closed window is gone";
    ASSERT_TRUE(WaitUntilPrepared(windows));
    FormWindow* again = HiddenWindow(Form::Form2);
    ASSERT_NE(again, nullptr) << "the closed window was not prepared again";

    ASSERT_TRUE(Click(ButtonOf(windows, Control::Command1)).empty());
    EXPECT_EQ(windows.Window(Form::Form2), again);
    EXPECT_EQ(again->grab().toImage(), firstShown);
}

TEST_P(PreparedWindows, AnEndedProgramPreparesNothingMore) {
    ProgramWindows windows(Program());
    windows.ShowMainWindow();
    ASSERT_TRUE(WaitUntilPrepared(windows));
    ASSERT_TRUE(Click(ButtonOf(windows, Control::Command1)).empty());
    ASSERT_NE(windows.Window(Form::Form2), nullptr);
    Click(ButtonOf(windows, Control::Command7));
    ASSERT_TRUE(windows.Ended());
    // The closed windows are deleted, and every turn a preparation would take passes.
    for (int turn = 0; turn < 10; ++turn) TurnEventLoop();
    EXPECT_EQ(HiddenWindow(Form::Form2), nullptr) << "the closed rules window was prepared again after the end";
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, PreparedWindows, ::testing::ValuesIn(programs::All()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace drillwin::testing
