// The floor of the whole-round memory figure: the bare window with the libraries the response probes
// load (Qt's test library, for their clicks), its button clicked by that library as the probes click
// the programs' buttons.

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include "bench/bare.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    QAbstractButton* button = bench::BuildBareWindow(window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    for (int click = 0; click < 20; ++click) {
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    return 0;
}
