#include "app/Application.h"
#include "app/ConsoleOutput.h"
#include "app/Hlav.h"
#include "app/SignalHandlers.h"
#include "cli/CliRunner.h"
#include "lang/Texts.h"
#include "link/SerialLink.h"
#include "session/Session.h"
#include "settings/CommandLine.h"
#include "settings/Settings.h"
#include "sim/SimUnit.h"

#include "Version.h"

#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <csignal>
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
    "Other arguments are ignored (with --port or an operation, an unknown option is an\n"
    "error, exit 2).\n"
    "\n"
    "Without a window (no display needed), one OPERATION on the unit at DEVICE (a device\n"
    "path, or COM1..COM10 as the Com menu maps them; without --port the port of the last\n"
    "run) or with --demo on the simulated unit:\n"
    "  --read FILE.ign          read the unit's set, verify it, save it into FILE.ign\n"
    "  --verify FILE.ign        verify that the unit holds the set of FILE.ign\n"
    "  --program FILE.ign       program the set of FILE.ign into the unit, then verify\n"
    "  --repeat                 with --program: then wait for the next unit on the same\n"
    "                           port and program it too, until Ctrl+C: once a unit is\n"
    "                           done, unplug it and connect the next\n"
    "  --anyway                 with --program: program values that lie outside their\n"
    "                           ranges too (without it such a file is refused, exit 5)\n"
    "  --diff FILE.ign          list the parameters in which the unit differs from\n"
    "                           FILE.ign\n"
    "The operation's messages go to the error output; a line with the unit's\n"
    "identification and the result goes to the output (one per unit with --repeat).\n"
    "Exit codes: 0 Verify OK (--diff: no differences; --repeat: ended by Ctrl+C),\n"
    "  1 verify error (--diff: differences), 2 bad command line, 3 no connection or\n"
    "  the port cannot be opened, 4 the unit refuses (version or motorbike type),\n"
    "  5 the file cannot be read or written, 6 program or read error,\n"
    "  130 Ctrl+C while a unit was worked on.\n"
    "\n";

// Where the settings and the ports are on the system built for.
#ifdef _WIN32
const char kUsagePlaces[] =
    "Settings live in %APPDATA%\\Vortan2\\:\n"
    "  Vortan2.ini    window, port, language, last file; written when the window closes\n"
    "  _Vortan2.ini   the parameter set on screen at the last close\n"
    "\n"
    "Ports: the Com menu's COM1..COM10 are the Windows ports of those names. Section\n"
    "PORTS of Vortan2.ini maps a menu item to any port, as USB adapters often get COM11\n"
    "and above, for example\n"
    "  [PORTS]\n"
    "  COM1=COM11\n"
    "Device Manager shows an adapter's port under Ports (COM & LPT); an adapter missing\n"
    "there needs its driver.\n";
#else
const char kUsagePlaces[] =
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
#endif

// The arguments as the system's 8-bit encoding gives them, read before the application object
// exists, so that --help, --version and a faulty line need no display. The window takes Qt's
// own list, which on Windows comes from the wide command line with every letter of a path.
QStringList earlyArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void printLine(std::FILE* stream, const QString& line) {
    std::fputs(qPrintable(line + '\n'), stream);
    std::fflush(stream);
}

int languageIndex(const QString& name, const vortan::IniFile& ini) {
    if (name == "CESKY")
        return vortan::Czech;
    if (name == "ENGLISH")
        return vortan::English;
    if (name == "DEUTSCH")
        return vortan::German;
    vortan::FormSettings current; // as the window starts
    const int stored = vortan::readSettings(ini, current).language;
    return stored > 2 ? vortan::English : stored;
}

// The operation of the command line on the unit, with a QCoreApplication: no window, no
// display.
int runWithoutWindow(int argc, char* argv[]) {
    using namespace vortan;
#ifdef SIGPIPE
    // Output piped into a reader that has ended (`| head`) must not stop the work on the unit
    // half way: the lines are lost, the run and its exit code are not.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    // Qt's list: on Windows it comes from the wide command line, with every letter of a path.
    const CommandLine line = parseCommandLine(QCoreApplication::arguments().mid(1));
    QCoreApplication::setApplicationName("Vortan2");
    QCoreApplication::setApplicationVersion(VORTAN2_VERSION);
    const IniFile ini(settingsFilePath());
    CliOptions options;
    options.operation = line.operation;
    options.file = line.operationFile;
    options.repeat = line.repeat;
    options.anyway = line.anyway;
    options.language = languageIndex(line.language, ini);
    options.extMonitor = readSettings(ini, FormSettings{}).extMonitor;

    std::unique_ptr<SimUnit> demo;
    QString device = line.port;
    const QRegularExpressionMatch com =
        QRegularExpression("^COM([1-9]|10)$").match(device.toUpper());
    if (line.demo) {
        demo = std::make_unique<SimUnit>();
        if (demo->start())
            device = QString::fromStdString(demo->devicePath());
        demo->startThread();
    } else if (com.hasMatch()) {
        device = portDevicePath(ini, com.captured(1).toInt());
    } else if (device.isEmpty()) { // the port the window last used
        device = portDevicePath(ini, readSettings(ini, FormSettings{}).comPort);
    }
    options.device = device;

    SerialLink link;
    Session session(link);
    QObject::connect(&link, &SerialLink::linkLost, &session, &Session::linkLost);
    if (!session.openPort(device)) {
        printLine(stderr, QString(kComOpeningError) + ": " + device + ": " + link.openError());
        return exitCode(CliResult::NoConnection);
    }
    // A unit whose link stays away beyond the link's own reopening is waited for all the same.
    QTimer reopen;
    reopen.setInterval(1000);
    QObject::connect(&reopen, &QTimer::timeout, [&] {
        if (link.open(device))
            reopen.stop();
    });
    QObject::connect(&link, &SerialLink::reopenGivenUp, &reopen, qOverload<>(&QTimer::start));

    CliRunner runner(
        session, options, [](const QString& l) { printLine(stdout, l); },
        [](const QString& l) { printLine(stderr, l); });
    int code = 0;
    QObject::connect(&runner, &CliRunner::finished, [&code](int c) {
        code = c;
        QCoreApplication::exit(c);
    });
    installSignalHandlers(&runner, [&runner] { runner.interrupt(); });
    QMetaObject::invokeMethod(&runner, &CliRunner::start, Qt::QueuedConnection);
    QCoreApplication::exec();
    link.close();
    if (demo)
        demo->stopThread();
    return code;
}

} // namespace

int main(int argc, char* argv[]) {
    const CommandLine early = parseCommandLine(earlyArguments(argc, argv));
    if (early.help || early.version || !early.error.isEmpty() || early.withoutWindow())
        vortan::joinParentConsole();
    if (early.help) {
        std::fputs(kUsage, stdout);
        std::fputs(kUsagePlaces, stdout);
        return 0;
    }
    if (early.version) {
        std::fputs("vortan2 " VORTAN2_VERSION "\n", stdout);
        return 0;
    }
    if (!early.error.isEmpty()) {
        std::fprintf(stderr, "vortan2: %s\nTry 'vortan2 --help'.\n", qPrintable(early.error));
        return vortan::exitCode(vortan::CliResult::BadCommandLine);
    }
    if (early.withoutWindow())
        return runWithoutWindow(argc, argv);
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
