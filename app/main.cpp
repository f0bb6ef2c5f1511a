#include "app/Hlav.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vortan2");
    QApplication::setApplicationDisplayName("Vortan 2");
    QApplication::setStyle("Fusion");
    try {
        TFormHlav window(QApplication::arguments().mid(1));
        window.FormCreate();
        window.show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), e.what());
        return 1;
    }
}
