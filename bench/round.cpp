#include "bench/round.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>

#include "bench/first_paint.h"
#include "tests/support/window_controls.h"
#include "windows/program_windows.h"

namespace bench {

namespace {

using drill::Control;
using drill::Form;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

std::int64_t ProcessorNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// What one press brings on screen: whether the main window painted, and when each window the press
// showed (a message box, the rules or the result window) had its first frame painted. A message box
// is then closed with its OK button, as the pupil would once it is on screen.
class PressWatch final : public QObject {
public:
    explicit PressWatch(QWidget* main) : main_(main) { qApp->installEventFilter(this); }
    ~PressWatch() override { qApp->removeEventFilter(this); }

    void Reset() {
        mainPainted_ = false;
        shown_.clear();
    }
    bool MainPainted() const { return mainPainted_; }
    // When the main window's first paint began, on the monotonic and the processor clock.
    std::int64_t FirstPaint() const { return firstPaint_; }
    std::int64_t FirstPaintProcessor() const { return firstPaintProcessor_; }
    bool BoxShown() const {
        return std::any_of(shown_.begin(), shown_.end(), [](const auto& window) { return window.second.box; });
    }
    // When the last window the press showed was painted; nothing while one is still waiting for it.
    std::optional<std::int64_t> ShownPainted() const {
        std::int64_t last = 0;
        for (const auto& [window, shown] : shown_) {
            if (!shown.painted) return std::nullopt;
            last = std::max(last, shown.painted);
        }
        return last;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget->isWindow() && widget != main_) {
            shown_[widget] = {qobject_cast<QMessageBox*>(widget) != nullptr};
        } else if (event->type() == QEvent::Paint && widget->window() == main_) {
            if (!firstPaint_) {
                firstPaint_ = MonotonicNanoseconds();
                firstPaintProcessor_ = ProcessorNanoseconds();
            }
            mainPainted_ = true;
        } else if (event->type() == QEvent::Paint && shown_.contains(widget) && !shown_[widget].painting) {
            shown_[widget].painting = true;
            AfterThisFrame(this, [this, window = QPointer<QWidget>(widget)] {
                if (!window) return;
                shown_[window].painted = MonotonicNanoseconds();
                if (auto* box = qobject_cast<QMessageBox*>(window)) box->button(QMessageBox::Ok)->click();
            });
        }
        return false;
    }

private:
    struct Shown {
        bool box = false;
        bool painting = false;
        std::int64_t painted = 0;
    };
    const QWidget* main_;
    bool mainPainted_ = false;
    std::int64_t firstPaint_ = 0;
    std::int64_t firstPaintProcessor_ = 0;
    std::map<const QWidget*, Shown> shown_;
};

QStringList LabelTexts(const QWidget* window) {
    QStringList texts;
    // The window's own labels: a message box kept with the window has labels of its own.
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->window() == window) texts.append(label->text());
    }
    return texts;
}

// Runs the event loop until the program has nothing left to do while idle; a pupil's next press
// comes later than that.
void WaitUntilIdle(const drillwin::ProgramWindows& windows) {
    const std::int64_t deadline = MonotonicNanoseconds() + 5'000'000'000;
    for (;;) {
        // A window the pupil closed is deleted once the event loop turns; the probe turns it itself.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (windows.Ended() || windows.Prepared()) return;
        if (MonotonicNanoseconds() > deadline) Fail("the program never finished what it does while idle");
    }
}

}  // namespace

Round PlayRound(drillwin::ProgramWindows& windows) {
    QWidget* main = windows.Window(Form::Form1);
    PressWatch watch(main);
    windows.ShowMainWindow();
    const std::int64_t deadline = MonotonicNanoseconds() + 5'000'000'000;
    while (!watch.MainPainted()) {
        if (MonotonicNanoseconds() > deadline) Fail("the main window was never painted");
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    Round round{};
    WaitUntilIdle(windows);
    round.preparedNanoseconds = MonotonicNanoseconds() - watch.FirstPaint();
    round.preparedProcessorNanoseconds = ProcessorNanoseconds() - watch.FirstPaintProcessor();
    std::vector<Press>& presses = round.presses;

    // Returns whether the press opened a message box.
    const auto press = [&](Control name) {
        QAbstractButton* button = ButtonOf(windows, name);
        if (!button) return false;
        WaitUntilIdle(windows);
        const QStringList before = LabelTexts(main);
        watch.Reset();
        const std::int64_t processorStarted = ProcessorNanoseconds();
        const std::int64_t started = MonotonicNanoseconds();
        QTest::mouseClick(button, Qt::LeftButton);
        // Changed labels paint here, as on the next turn of the event loop; a window just shown
        // paints when the display has exposed it.
        QCoreApplication::processEvents();
        const std::int64_t deadline = MonotonicNanoseconds() + 2'000'000'000;
        while (!watch.ShownPainted()) {
            if (MonotonicNanoseconds() > deadline) Fail("a window was shown but never painted");
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
        const std::int64_t answered = std::max(MonotonicNanoseconds(), *watch.ShownPainted());
        const std::int64_t processorUsed = ProcessorNanoseconds() - processorStarted;
        if (!windows.Ended() && LabelTexts(main) != before && !watch.MainPainted()) {
            Fail("labels changed but were not painted");
        }
        presses.push_back({name, answered - started, processorUsed});
        return watch.BoxShown();
    };

    press(Control::Command1);
    press(Control::Command2);
    // A bank holds at most 255 items; the end message stops the round well before this bound.
    for (int item = 0; item < 256; ++item) {
        press(Control::Command1);
        press(Control::Command3);
        press(Control::Command4);
        press(Control::Command1);
        // Every other time the pupil closes the rules window, so the next allowed press opens it anew.
        if (QWidget* rules = windows.Window(Form::Form2); rules && item % 2) rules->close();
        press(Control::Command6);
        if (press(Control::Command5)) break;
    }
    press(Control::Command2);
    press(Control::Command6);
    press(Control::Command7);
    return round;
}

}  // namespace bench
