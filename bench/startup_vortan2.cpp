// vortan2's start-up as app/main.cpp runs it (configureApplication, window, FormCreate, show),
// reporting the main window's first paint and quitting.

#include "FirstPaint.h"
#include "app/Application.h"
#include "app/Hlav.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    configureApplication();
    TFormHlav window(QApplication::arguments().mid(1));
    window.FormCreate();
    window.installEventFilter(new ExitAfterFirstPaint(&app));
    window.show();
    return QApplication::exec();
}
