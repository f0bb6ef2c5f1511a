// The floor of vortan2's start-up: a main window holding only what a tuner sees at start (tool
// row, menus, the Miscellaneous page, the live panel, the message row, the status bar), made
// by the program's own builders, with none of its logic, no pages behind and no texts applied.
// Reports its first paint and quits.

#include "FirstPaint.h"
#include "app/Application.h"
#include "app/FormBuilder.h"

#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    configureApplication();
    QMainWindow window;
    vortan::buildFormControls(window);
    vortan::buildMenuBar(window, nullptr);
    window.adjustSize();
    window.installEventFilter(new ExitAfterFirstPaint(&app));
    window.show();
    return QApplication::exec();
}
