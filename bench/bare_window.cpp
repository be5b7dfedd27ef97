// The floor of the start-up benchmark: the least a Qt Widgets window can be, a label and a button,
// timed to its first painted frame exactly as the program probes are.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
    const std::int64_t started = bench::MonotonicNanoseconds();
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Label")));
    layout->addWidget(new QPushButton(QStringLiteral("Button")));
    bench::ReportFirstPaint(&window, started);
    window.show();
    return application.exec();
}
