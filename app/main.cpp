#include "app/Application.h"
#include "app/Hlav.h"
#include "lang/Texts.h"
#include "settings/CommandLine.h"

#include "Version.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>

namespace {

const char kUsage[] =
    "Usage: vortan2 [ENGLISH|CESKY|DEUTSCH] [--demo] [FILE.ign]\n"
    "       vortan2 [ENGLISH|CESKY|DEUTSCH] (--port DEVICE | --demo) OPERATION\n"
    "       vortan2 --help | --version\n"
    "\n"
    "Sets up the Vortan 2 programmable ignition unit over a serial line.\n"
    "\n"
    "  ENGLISH, CESKY, DEUTSCH  language of the window (first argument only);\n"
    "                           without it the language of the last run is used\n"
    "  --demo                   run against the built-in simulated unit\n"
    "  FILE.ign                 open this parameter file after start-up, as File > Open\n"
    "                           does\n"
    "  -h, --help               show this help and exit\n"
    "  --version                show the version and exit\n"
    "Other arguments are ignored.\n"
    "\n"
    "Without a window, one OPERATION on the unit at DEVICE (or the simulated unit):\n"
    "  --read FILE.ign          read the unit's set, verify it and save it into FILE.ign\n"
    "  --verify FILE.ign        compare the unit's set with FILE.ign\n"
    "  --program FILE.ign       program FILE.ign into the unit and verify it\n"
    "  --repeat                 with --program: then wait for the next unit on the same\n"
    "                           port and program it too, until Ctrl+C\n"
    "  --diff FILE.ign          list the differences between FILE.ign and the unit\n"
    "The exit status is 0 only when the operation ended \"Verify OK\".\n"
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

// The arguments as the system's 8-bit encoding gives them, read before the application object
// exists, so that --help, --version and a faulty line need no display. The window takes Qt's
// own list, which on Windows comes from the wide command line with every letter of a path.
QStringList earlyArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    const CommandLine early = parseCommandLine(earlyArguments(argc, argv));
    if (early.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (early.version) {
        std::fputs("vortan2 " VORTAN2_VERSION "\n", stdout);
        return 0;
    }
    if (!early.error.isEmpty() || early.withoutWindow()) {
        const QString error = !early.error.isEmpty()
                                  ? early.error
                                  : QStringLiteral("the operations without a window are not "
                                                   "part of this build");
        std::fprintf(stderr, "vortan2: %s\nTry 'vortan2 --help'.\n", qPrintable(error));
        return 2;
    }
    QApplication app(argc, argv);
    configureApplication();
    try {
        TFormHlav window(parseCommandLine(QApplication::arguments().mid(1)));
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
