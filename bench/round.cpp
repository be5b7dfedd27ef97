#include "round.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "first_paint.h"
#include "program_windows.h"

namespace bench {

namespace {

using drill::Control;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

// What one press causes on screen: whether the main window painted, and when a message box it opened
// had its first frame painted. The box is then closed with its OK button, as the pupil would once it
// is on screen; a box that never paints ends the benchmark rather than blocking it.
class PressWatch final : public QObject {
public:
    explicit PressWatch(QWidget* main) : main_(main) { qApp->installEventFilter(this); }
    ~PressWatch() override { qApp->removeEventFilter(this); }

    void Reset() {
        mainPainted_ = false;
        boxShown_ = false;
        boxPainting_ = false;
        boxPainted_.reset();
    }
    bool MainPainted() const { return mainPainted_; }
    bool BoxShown() const { return boxShown_; }
    std::optional<std::int64_t> BoxPainted() const { return boxPainted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        QWidget* window = static_cast<QWidget*>(watched)->window();
        auto* box = qobject_cast<QMessageBox*>(window);
        if (event->type() == QEvent::Show && box && watched == box) {
            boxShown_ = true;
            QTimer::singleShot(2000, box, [] { Fail("a message box was never painted"); });
        } else if (event->type() == QEvent::Paint && window == main_) {
            mainPainted_ = true;
        } else if (event->type() == QEvent::Paint && box && watched == box && !boxPainting_) {
            boxPainting_ = true;
            AfterThisFrame(box, [this, box] {
                boxPainted_ = MonotonicNanoseconds();
                box->button(QMessageBox::Ok)->click();
            });
        }
        return false;
    }

private:
    const QWidget* main_;
    bool mainPainted_ = false;
    bool boxShown_ = false;
    bool boxPainting_ = false;
    std::optional<std::int64_t> boxPainted_;
};

QStringList LabelTexts(const QWidget* window) {
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>()) texts.append(label->text());
    return texts;
}


}  // namespace

std::vector<Press> PlayRound(drillwin::ProgramWindows& windows) {
    QWidget* main = windows.Window(drill::Form::Form1);
    windows.ShowMainWindow();
    if (!QTest::qWaitForWindowExposed(main)) Fail("the main window was never shown");
    PressWatch watch(main);
    std::vector<Press> presses;

    // Returns whether the press opened a message box.
    const auto press = [&](Control name) {
        QAbstractButton* button = windows.Button(name);
        if (!button) return false;
        const QStringList before = LabelTexts(main);
        watch.Reset();
        const std::int64_t started = MonotonicNanoseconds();
        QTest::mouseClick(button, Qt::LeftButton);
        // Changed labels and windows just shown paint here, as on the next turn of the event loop.
        QCoreApplication::processEvents();
        std::int64_t answered = MonotonicNanoseconds();
        if (watch.BoxShown()) {
            answered = *watch.BoxPainted();
        } else if (!windows.Ended() && LabelTexts(main) != before && !watch.MainPainted()) {
            Fail("labels changed but were not painted");
        }
        presses.push_back({name, answered - started});
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
        press(Control::Command6);
        if (press(Control::Command5)) break;
    }
    press(Control::Command2);
    press(Control::Command6);
    press(Control::Command7);
    return presses;
}

}  // namespace bench
