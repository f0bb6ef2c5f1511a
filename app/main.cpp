#include "app/Application.h"
#include "app/Hlav.h"
#include "lang/Texts.h"

#include "Version.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {

const char kUsage[] =
    "Usage: vortan2 [ENGLISH|CESKY|DEUTSCH] [--demo]\n"
    "       vortan2 --help | --version\n"
    "\n"
    "Sets up the Vortan 2 programmable ignition unit over a serial line.\n"
    "\n"
    "  ENGLISH, CESKY, DEUTSCH  language of the window (first argument only);\n"
    "                           without it the language of the last run is used\n"
    "  --demo                   run against the built-in simulated unit\n"
    "  -h, --help               show this help and exit\n"
    "  --version                show the version and exit\n"
    "Other arguments are ignored.\n"
    "\n"
    "Settings live in $XDG_CONFIG_HOME/Vortan2/ (by default ~/.config/Vortan2/):\n"
    "  Vortan2.ini    window, port, language, last file; written when the window closes\n"
    "  _Vortan2.ini   the parameter set on screen at the last close\n"
    "\n"
    "Ports: the Com menu's COM1..COM10 map to devices through section PORTS of\n"
    "Vortan2.ini, for example\n"
    "  [PORTS]\n"
    "  COM1=/dev/ttyUSB0\n"
    "Without an entry COMn is /dev/ttyS<n-1>. The user needs access to the device\n"
    "(on Debian: membership of the dialout group).\n"
    "\n"
    "vortan2-sim serves a simulated unit on a pseudo-terminal (vortan2-sim --help).\n";

// Answers --help and --version without a display: returns true when one was asked for.
bool handleInfoOptions(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("vortan2 " VORTAN2_VERSION "\n", stdout);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (handleInfoOptions(argc, argv))
        return 0;
    QApplication app(argc, argv);
    configureApplication();
    try {
        TFormHlav window(QApplication::arguments().mid(1));
        window.FormCreate();
        if (window.isClosed()) // a signal came during start-up; the settings are saved
            return 0;
        window.show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, vortan::kBoxTitle, e.what());
        return 1;
    }
}
