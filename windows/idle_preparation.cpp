#include "windows/idle_preparation.h"

#include <QEvent>

#include "windows/window_set.h"

namespace drillwin {

IdlePreparation::IdlePreparation(WindowSet& windows, std::function<void()> prepareMessageBox)
    : windows_(windows), prepareMessageBox_(std::move(prepareMessageBox)) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    timer_.callOnTimeout(this, &IdlePreparation::PrepareNext);
}

void IdlePreparation::StartAfterFirstFrame() {
    if (stage_ == Stage::BeforeFirstFrame) windows_.Main().installEventFilter(this);
}

bool IdlePreparation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == &windows_.Main()) {
        watched->removeEventFilter(this);
        stage_ = Stage::Windows;
        // The window paints before its controls and the frame is flushed after them: a call queued
        // now runs once the frame is complete, and it waits a further turn of the event loop so that
        // what else the frame queued comes first.
        QMetaObject::invokeMethod(this, [this] { ScheduleNext(); }, Qt::QueuedConnection);
    }
    return false;
}

void IdlePreparation::Resume() {
    if (stage_ == Stage::Done) stage_ = Stage::WindowsAgain;
    ScheduleNext();
}

void IdlePreparation::Stop() {
    stage_ = Stage::Stopped;
    timer_.stop();
}

bool IdlePreparation::Done() const { return stage_ == Stage::Done; }

void IdlePreparation::ScheduleNext() {
    const bool working = stage_ != Stage::BeforeFirstFrame && stage_ != Stage::Done && stage_ != Stage::Stopped;
    if (working && !timer_.isActive()) timer_.start();
}

void IdlePreparation::PrepareNext() {
    switch (stage_) {
        case Stage::Windows:
        case Stage::WindowsAgain:
            if (const auto form = windows_.Unprepared()) {
                windows_.Prepare(*form);
                break;
            }
            // After a closed window, what was prepared once stays prepared.
            stage_ = stage_ == Stage::Windows ? Stage::MessageBox : Stage::Done;
            if (stage_ == Stage::Done) return;
            [[fallthrough]];
        case Stage::MessageBox:
            prepareMessageBox_();
            stage_ = Stage::MainFonts;
            break;
        case Stage::MainFonts:
            windows_.Main().LoadFonts();
            // A window closed meanwhile is built ahead again.
            stage_ = windows_.Unprepared() ? Stage::WindowsAgain : Stage::Done;
            break;
        case Stage::BeforeFirstFrame:
        case Stage::Done:
        case Stage::Stopped:
            return;
    }
    ScheduleNext();
}

}  // namespace drillwin
