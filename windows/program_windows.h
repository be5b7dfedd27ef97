#pragma once
// The Qt side of a running program: the platform operations through which the drill writes into
// its windows, and the wiring of each press between the windows, the drill, what a screen reader is
// told and the keyboard.

#include <QObject>
#include <QPointer>

#include <memory>

#include "engine/clock_random.h"
#include "windows/announcer.h"
#include "windows/idle_preparation.h"
#include "windows/keyboard.h"
#include "windows/program.h"
#include "windows/window_set.h"

class QMessageBox;
class QWidget;

namespace drillwin {

class ProgramWindows final : public QObject, public drill::Platform {
public:
    explicit ProgramWindows(const ProgramDescription& program);
    ~ProgramWindows() override;

    // Shows the main window at its design position with the rules button focused; once its first
    // frame is painted, the program prepares what the presses show while it is idle.
    void ShowMainWindow();
    // Whether the idle preparation is done (windows/idle_preparation.h).
    bool Prepared() const { return preparation_.Done(); }

    // The window as it stands now: null before its first showing and after the pupil closed it.
    QWidget* Window(Form form) const;
    drill::Drill& Drill() { return *drill_; }
    bool Ended() const { return ended_; }

    void SetCaption(Form form, Control label, drill::TextView text) override;
    drill::Text GetText(Control textBox) override;
    void SetText(Control textBox, drill::TextView text) override;
    void ShowMessage(drill::TextView text, drill::MessageStyle style, drill::TextView title) override;
    void ShowWindow(Form form) override;
    void PlotPoint(Form form, int x, int y) override;
    void PrintLine(Form form, drill::TextView text) override;
    void ReseedRandom() override;
    float NextRandom() override;
    void EndProgram() override;

private:
    // Connects a window, as it is built, to the drill, the screen reader and the keyboard.
    void Wire(FormWindow& window);
    QPlainTextEdit* TextBox(Control box) const;
    QMessageBox* MessageBox();
    void PrepareMessageBox();

    drill::ClockRandom random_;
    std::unique_ptr<drill::Drill> drill_;
    Announcer announcer_;
    Keyboard keyboard_;
    // Before the windows, so that it outlasts them: a window going tells it.
    IdlePreparation preparation_;
    WindowSet windows_;
    QPointer<QMessageBox> messageBox_;
    bool ended_ = false;
};

}  // namespace drillwin
