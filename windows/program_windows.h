#pragma once
// The Qt side of a program: its windows, built from their descriptions, and the platform operations
// through which the drill writes into them.

#include <QObject>
#include <QPointer>

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

    // Shows the main window at its design position with the rules button focused.
    void ShowMainWindow();

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

private:
    const FormLayout& Layout(Form form) const;
    FormWindow* Open(Form form) const;
    FormWindow* Create(Form form);

    const ProgramDescription& program_;
    std::array<QPointer<FormWindow>, 3> windows_;
    QPointer<QMessageBox> messageBox_;
    drill::ClockRandom random_;
    std::unique_ptr<drill::Drill> drill_;
    Announcer announcer_;
    Keyboard keyboard_;
    bool ended_ = false;
};

}  // namespace drillwin
