// The yardstick for the program's start-up: an empty Qt window, timed the
// same way (bench/startup.sh).
#include "startupprobe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(540, 407);
    WatchFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
