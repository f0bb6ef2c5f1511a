#include "app/Application.h"

#include <QApplication>

#ifndef VORTAN2_VERSION
#define VORTAN2_VERSION "2.0"
#endif

void configureApplication() {
    QApplication::setApplicationName("Vortan2");
    QApplication::setApplicationVersion(VORTAN2_VERSION);
    QApplication::setStyle("Fusion");
}
