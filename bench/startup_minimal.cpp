// The yardstick for start-up: a QMainWindow with one label, set up as vortan2 sets up its
// application, that reports its first paint and quits.

#include "FirstPaint.h"

#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("StartupMinimal");
    QApplication::setStyle("Fusion");
    QMainWindow window;
    window.setCentralWidget(new QLabel("Hello"));
    window.installEventFilter(new ExitAfterFirstPaint(&app));
    window.show();
    return QApplication::exec();
}
