// vortan2's start-up as app/main.cpp runs it (configureApplication, window, its start-up steps,
// show), reporting the main window's first paint and quitting.

#include "FirstPaint.h"
#include "app/Application.h"
#include "app/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    configureApplication();
    const auto window = vortan::mainwindow::make(QApplication::arguments().mid(1));
    vortan::mainwindow::start(*window);
    window->installEventFilter(new ExitAfterFirstPaint(&app));
    window->show();
    return QApplication::exec();
}
