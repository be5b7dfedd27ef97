#pragma once
// The moment a window's first frame is painted, on the clock the launcher reads too.

#include <cstdint>
#include <functional>

class QObject;
class QWidget;

namespace bench {

// CLOCK_MONOTONIC in nanoseconds: the same clock in the launcher and in the probe it starts.
std::int64_t MonotonicNanoseconds();

// Runs done once the frame being painted is complete. A window paints itself before its children
// and the frame is flushed after the last of them, so the call is queued from the window's own
// paint event and runs when the event loop turns again.
void AfterThisFrame(QObject* context, std::function<void()> done);

// Once the window's first frame has been painted, prints "painted NOW SINCE_MAIN" (nanoseconds on the
// monotonic clock, and since mainStarted) on standard output and ends the event loop.
void ReportFirstPaint(QWidget* window, std::int64_t mainStarted);

}  // namespace bench
