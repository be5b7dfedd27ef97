#pragma once
// The Qt side of a program: its windows, built from their descriptions, and the platform operations
// through which the drill writes into them.

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <memory>

#include "engine/clock_random.h"
#include "windows/announcer.h"
#include "windows/keyboard.h"
#include "windows/program.h"

class QAbstractButton;
class QLabel;
class QMessageBox;
class QPlainTextEdit;
class QWidget;

namespace drillwin {

class FormWindow;

// The application-wide look every program window is designed for: the Fusion style with its light
// standard palette, whatever theme the desktop uses; the program ends only through EndProgram.
void PrepareApplication();

class ProgramWindows final : public QObject, public drill::Platform {
public:
    explicit ProgramWindows(const ProgramDescription& program);
    ~ProgramWindows() override;

    // Shows the main window at its design position with the rules button focused. Once its first
    // frame is painted, what the presses show is prepared while the program is idle (Prepared).
    void ShowMainWindow();
    // Whether nothing is left to prepare: every secondary window that is not open (built hidden, the
    // first of each painted off screen so that its glyphs are cached; one the pupil closes is built
    // anew), the message box with its icons, and the fonts of the main window's empty labels. The
    // first press that shows one of them is then as quick as the later ones. A pupil's press comes
    // well after this; the benchmarks wait for it as a pupil does.
    bool Prepared() const;

    // The window as it stands now: null before its first use and after the pupil closed it.
    QWidget* Window(Form form) const;
    // A control of an open window (null when the window is not open or has no such control).
    QAbstractButton* Button(Control name) const;  // main window
    QLabel* Label(Form form, Control name) const;
    QPlainTextEdit* TextBox() const;              // main window's Text1
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const FormLayout& Layout(Form form) const;
    FormWindow* Open(Form form) const;
    // A new window, not open until it is shown.
    FormWindow* Build(Form form);
    QMessageBox* MessageBox();
    bool Unprepared(Form form) const;
    // Prepares one thing at each turn of the event loop, so that a press meanwhile waits for one only.
    void PrepareSoon();
    void PrepareNext();

    const ProgramDescription& program_;
    std::array<QPointer<FormWindow>, 3> windows_;
    std::array<QPointer<FormWindow>, 3> prepared_;  // built and hidden, not yet open
    std::array<bool, 3> paintedOffScreen_{};        // a window of the form was, so the caches hold it
    QPointer<QMessageBox> messageBox_;
    // A timer, not a queued call: it waits until the events the window system has queued are handled.
    QTimer preparation_;
    bool firstFramePainted_ = false;
    bool mainFontsLoaded_ = false;
    drill::ClockRandom random_;
    std::unique_ptr<drill::Drill> drill_;
    Announcer announcer_;
    Keyboard keyboard_;
    bool ended_ = false;
};

}  // namespace drillwin
