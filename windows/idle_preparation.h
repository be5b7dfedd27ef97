#pragma once
// What a program prepares while it is idle, once its main window has painted its first frame, one
// thing at each turn of the event loop (so that a press meanwhile waits for one only), in the order
// the first presses need them: each secondary window (windows/window_set.h), the message box, and
// the fonts of the main window's empty labels. The first press that shows one of them is then as
// quick as the later ones. A window the pupil closes is built ahead anew.

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace drillwin {

class WindowSet;

class IdlePreparation final : public QObject {
public:
    // prepareMessageBox builds the message box and draws it once off screen.
    IdlePreparation(WindowSet& windows, std::function<void()> prepareMessageBox);

    // Starts once the main window has painted its first frame.
    void StartAfterFirstFrame();
    // Goes on after the pupil closed a window.
    void Resume();
    void Stop();
    // Whether nothing is left to prepare. A pupil's press comes well after this; the benchmarks wait
    // for it as a pupil does.
    bool Done() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where the preparation stands. Windows, the message box and the fonts are prepared in turn
    // once; a window closed after that is built ahead again (WindowsAgain), and nothing else.
    enum class Stage : std::uint8_t { BeforeFirstFrame, Windows, MessageBox, MainFonts, Done, WindowsAgain, Stopped };

    void PrepareNext();
    void ScheduleNext();

    WindowSet& windows_;
    std::function<void()> prepareMessageBox_;
    Stage stage_ = Stage::BeforeFirstFrame;
    // A timer, not a queued call: it waits until the events the window system has queued are handled.
    QTimer timer_;
};

}  // namespace drillwin
