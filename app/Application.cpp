#include "app/Application.h"

#include "Version.h"

#include <QApplication>

void configureApplication() {
    QApplication::setApplicationName("Vortan2");
    QApplication::setApplicationVersion(VORTAN2_VERSION);
    QApplication::setStyle("Fusion");
}
