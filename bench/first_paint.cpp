#include "bench/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace bench {

std::int64_t MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

void AfterThisFrame(QObject* context, std::function<void()> done) {
    QMetaObject::invokeMethod(context, std::move(done), Qt::QueuedConnection);
}

namespace {

class FirstPaintReporter final : public QObject {
public:
    FirstPaintReporter(QWidget* window, std::int64_t mainStarted)
        : QObject(window), window_(window), mainStarted_(mainStarted) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) {
            window_->removeEventFilter(this);
            AfterThisFrame(this, [this] {
                const std::int64_t now = MonotonicNanoseconds();
                std::printf("painted %lld %lld\n", static_cast<long long>(now), static_cast<long long>(now - mainStarted_));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget* window_;
    std::int64_t mainStarted_;
};

}  // namespace

void ReportFirstPaint(QWidget* window, std::int64_t mainStarted) { new FirstPaintReporter(window, mainStarted); }

}  // namespace bench
