// Ports a tuner sets up: devices to rows and stored names, what an entry means, the link mark,
// free pseudo-terminals, the search for the unit on real pseudo-terminals, and the reasons of
// an opening error gathered from real failures.

#include "Unprivileged.h"
#include "lang/Texts.h"
#include "link/OpenFailure.h"
#include "link/PortCatalogue.h"
#include "link/SerialLink.h"
#include "link/UnitProbe.h"
#include "sim/SimUnit.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(vortan::SerialDevice)
Q_DECLARE_METATYPE(vortan::LinkMark)
Q_DECLARE_METATYPE(vortan::OpenFailureReason)

using namespace vortan;

namespace {

// A pseudo-terminal: the test holds the master, the slave opens like a serial port.
struct Pty {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    QString slave;
    Pty() {
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
            slave = QString::fromLocal8Bit(::ptsname(master));
    }
    ~Pty() { ::close(master); }
    QByteArray pending() const {
        char buffer[4096];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        return n > 0 ? QByteArray(buffer, int(n)) : QByteArray();
    }
};

// A child process that opens `path` and waits until killed: as a new session whose
// controlling terminal it becomes, or else with TIOCEXCL.
pid_t holdOpen(const QString& path, bool session) {
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const QByteArray native = QFile::encodeName(path);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (session)
            ::setsid();
        const int fd = ::open(native.constData(), O_RDWR | (session ? 0 : O_NOCTTY));
        ::ioctl(fd, session ? TIOCSCTTY : TIOCEXCL, 0);
        (void)!::write(ready[1], "x", 1);
        ::pause();
        ::_exit(0);
    }
    char c;
    (void)!::read(ready[0], &c, 1);
    ::close(ready[0]);
    ::close(ready[1]);
    return pid;
}

void stop(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

SerialDevice plain(const QString& path, bool pseudoTerminal = false) {
    SerialDevice d;
    d.path = path;
    d.pseudoTerminal = pseudoTerminal;
    return d;
}

SerialDevice usbAdapter(const QString& path) {
    return {path, "FT232R USB UART", "FTDI", "A12345", true, 0x0403, 0x6001, false};
}

} // namespace

class tst_Ports : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void deviceRows_data();
    void deviceRows();
    void meaning_data();
    void meaning();
    void windowsPortMeaning_data();
    void windowsPortMeaning();
    void probeCandidates();
    void linkMarks_data();
    void linkMarks();
    void freePseudoTerminals();
    void probe();
    void failureText_data();
    void failureText();
    void gatheredFacts_data();
    void gatheredFacts();

private:
    QTemporaryDir dev_; // ttyUSB0, ttyUSB1, ttyS0, pts7 and by-id/ with a link to ttyUSB0
    QString d(const QString& name) const { return name.isEmpty() ? name : dev_.filePath(name); }
};

void tst_Ports::initTestCase() {
    QVERIFY(QDir(dev_.path()).mkdir("by-id"));
    for (const char* name : {"ttyUSB0", "ttyUSB1", "ttyS0", "pts7"})
        QVERIFY(QFile(dev_.filePath(name)).open(QIODevice::WriteOnly));
    QVERIFY(QFile::link("../ttyUSB0", d("by-id/usb-FTDI_FT232R_USB_UART_A12345-if00-port0")));
}

void tst_Ports::deviceRows_data() {
    QTest::addColumn<SerialDevice>("device");
    QTest::addColumn<QStringList>("columns"); // the path first, as a name in the folder
    QTest::addColumn<QString>("stored");
    QTest::newRow("adapter with a by-id link")
        << usbAdapter(d("ttyUSB0"))
        << QStringList{"ttyUSB0", "FT232R USB UART", "FTDI", "A12345", "0403:6001"}
        << "by-id/usb-FTDI_FT232R_USB_UART_A12345-if00-port0";
    QTest::newRow("adapter without a link")
        << usbAdapter(d("ttyUSB1"))
        << QStringList{"ttyUSB1", "FT232R USB UART", "FTDI", "A12345", "0403:6001"} << "ttyUSB1";
    QTest::newRow("built-in port")
        << plain(d("ttyS0")) << QStringList{"ttyS0", "", "", "", ""} << "ttyS0";
    QTest::newRow("pseudo-terminal")
        << plain(d("pts7"), true) << QStringList{"pts7", "pseudo-terminal", "", "", ""} << "pts7";
}

void tst_Ports::deviceRows() {
    QFETCH(SerialDevice, device);
    QFETCH(QStringList, columns);
    QFETCH(QString, stored);
    columns[0] = d(columns[0]);
    QCOMPARE(deviceColumns(device, English), columns);
    QCOMPARE(storedName(device, d("by-id")), d(stored));
}

void tst_Ports::meaning_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("meaning"); // %1: the folder of the devices
    QTest::newRow("no entry") << ""
                              << "not configured: /dev/ttyS2";
    QTest::newRow("listed adapter by its link")
        << "by-id/usb-FTDI_FT232R_USB_UART_A12345-if00-port0"
        << "%1/ttyUSB0 · FT232R USB UART A12345";
    QTest::newRow("device the list does not show") << "pts7"
                                                   << "%1/pts7";
    QTest::newRow("vanished adapter") << "by-id/usb-Prolific-gone"
                                      << "%1/by-id/usb-Prolific-gone (unplugged)";
}

void tst_Ports::meaning() {
    QFETCH(QString, stored);
    QFETCH(QString, meaning);
    const std::vector<SerialDevice> devices = {usbAdapter(d("ttyUSB0"))};
    QCOMPARE(portMeaning(d(stored), "/dev/ttyS2", devices, English), meaning.arg(dev_.path()));
}

// Windows lists "\\.\COM5"; the settings hold "COM5" or nothing (the default is COM5 itself).
void tst_Ports::windowsPortMeaning_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("status");
    QTest::newRow("no entry, listed") << ""
                                      << "COM5 · FT232R USB UART A12345";
    QTest::newRow("short name") << "com5"
                                << "COM5 · FT232R USB UART A12345";
    QTest::newRow("long name") << "\\\\.\\COM5"
                               << "COM5 · FT232R USB UART A12345";
    QTest::newRow("another port, listed") << "COM11"
                                          << "COM5 · COM11 · Bluetooth link";
    QTest::newRow("not listed") << "COM7"
                                << "COM5 · COM7";
}

void tst_Ports::windowsPortMeaning() {
    QFETCH(QString, stored);
    QFETCH(QString, status);
    SerialDevice bluetooth = plain("\\\\.\\COM11");
    bluetooth.description = "Bluetooth link";
    const std::vector<SerialDevice> devices = {usbAdapter("\\\\.\\COM5"), bluetooth};
    const QString meaning = portMeaning(stored, "COM5", devices, English);
    QCOMPARE(portStatusText(5, false, meaning, English), status);
}

void tst_Ports::probeCandidates() {
    // The device open now, here by its link, is never tried.
    const std::vector<SerialDevice> devices = {plain(d("ttyS0")), plain(d("ttyUSB0")),
                                               plain(d("pts7"))};
    QCOMPARE(
        vortan::probeCandidates(devices, d("by-id/usb-FTDI_FT232R_USB_UART_A12345-if00-port0")),
        QStringList({d("ttyS0"), d("pts7")}));
    // On Windows the open "COM5" is the listed "\\.\COM5".
    QCOMPARE(vortan::probeCandidates({plain("\\\\.\\COM5"), plain("\\\\.\\COM6")}, "COM5"),
             QStringList({"\\\\.\\COM6"}));
}

void tst_Ports::linkMarks_data() {
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("heard");
    QTest::addColumn<int>("silence");
    QTest::addColumn<LinkMark>("mark");
    QTest::newRow("frames") << true << true << 17 << LinkMark::Up;
    QTest::newRow("silent for a second") << true << true << 18 << LinkMark::NoReply;
    QTest::newRow("nothing heard since opened") << true << false << 0 << LinkMark::NoReply;
    QTest::newRow("not open") << false << true << 0 << LinkMark::CannotOpen;
}

void tst_Ports::linkMarks() {
    QFETCH(bool, open);
    QFETCH(bool, heard);
    QFETCH(int, silence);
    QTEST(linkMark(open, heard, silence), "mark");
}

// A line no one uses is offered; a session's terminal is not.
void tst_Ports::freePseudoTerminals() {
    Pty free, terminal;
    const pid_t session = holdOpen(terminal.slave, true);
    QVERIFY(session > 0);
    const QStringList found = vortan::freePseudoTerminals();
    stop(session);
    QVERIFY(found.contains(free.slave));
    QVERIFY(!found.contains(terminal.slave));
}

void tst_Ports::probe() {
    QTemporaryDir gone;
    Pty silent, untouched;
    SimUnit garbage, unit;
    SimSwitches corrupt;
    corrupt.corruptShare = 1.0;
    garbage.setSwitches(corrupt);
    QVERIFY(garbage.start() && unit.start());
    garbage.startThread();
    unit.startThread();
    const QString found = QString::fromStdString(unit.devicePath());
    UnitProbe probe;
    QSignalSpy finished(&probe, &UnitProbe::finished);
    probe.start({gone.filePath("ttyUSB9"), silent.slave,
                 QString::fromStdString(garbage.devicePath()), found, untouched.slave});
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.at(0).at(0).toInt(), 3);
    QCOMPARE(probe.outcomes(),
             std::vector<ProbeOutcome>({ProbeOutcome::CannotOpen, ProbeOutcome::Silent,
                                        ProbeOutcome::Garbage, ProbeOutcome::Answered}));
    const Frame& request = monitorRequest();
    QCOMPARE(silent.pending(), QByteArray(reinterpret_cast<const char*>(request.data()), 102));
    QVERIFY(untouched.pending().isEmpty()); // after the unit answered nothing more is tried
}

void tst_Ports::failureText_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("accessible");
    QTest::addColumn<QStringList>("holders"); // name, pid, ...
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("missing")
        << false << false << QStringList() << QStringList{"/dev/ttyS0", "/dev/ttyUSB1"}
        << int(English)
        << "/dev/ttyUSB0 does not exist.\nSerial devices present:\n/dev/ttyS0\n/dev/ttyUSB1";
    QTest::newRow("missing, none present, Czech")
        << false << false << QStringList() << QStringList() << int(Czech)
        << "Zařízení /dev/ttyUSB0 neexistuje.\nNení přítomno žádné sériové zařízení.";
    QTest::newRow("permission before holders, German")
        << true << false << QStringList{"minicom", "42"} << QStringList() << int(German)
        << "Zugriff auf /dev/ttyUSB0 verweigert.\nUnter Debian und Ubuntu der Gruppe dialout "
           "beitreten:\nsudo usermod -aG dialout $USER\ndann ab- und wieder anmelden.";
    QTest::newRow("in use")
        << true << true << QStringList{"minicom", "42", "screen", "7"} << QStringList()
        << int(English)
        << "/dev/ttyUSB0 is in use by another program: minicom (process 42), screen (process 7).";
    QTest::newRow("other") << true << true << QStringList() << QStringList() << int(English)
                           << "/dev/ttyUSB0 cannot be opened: Input/output error";
}

void tst_Ports::failureText() {
    QFETCH(bool, exists);
    QFETCH(bool, accessible);
    QFETCH(QStringList, holders);
    QFETCH(QStringList, present);
    QFETCH(int, language);
    OpenFailureFacts facts{"/dev/ttyUSB0", exists, accessible, {}, "Input/output error"};
    for (int i = 0; i + 1 < holders.size(); i += 2)
        facts.holders.push_back({holders[i + 1].toLongLong(), holders[i]});
    QTEST(openFailureText(facts, present, language), "text");
}

void tst_Ports::gatheredFacts_data() {
    QTest::addColumn<OpenFailureReason>("reason");
    QTest::addColumn<bool>("asNobody"); // root may open anything, and TIOCEXCL binds it not
    QTest::newRow("missing path") << OpenFailureReason::Missing << false;
    QTest::newRow("file without permission") << OpenFailureReason::PermissionDenied << true;
    QTest::newRow("pty held by another process") << OpenFailureReason::InUse << true;
}

void tst_Ports::gatheredFacts() {
    QFETCH(OpenFailureReason, reason);
    QFETCH(bool, asNobody);
    if (asNobody && !runningAsNobody()) {
        QTemporaryDir base;
        const QString locked = base.filePath("ttyUSB0");
        QVERIFY(QFile(locked).open(QIODevice::WriteOnly));
        QCOMPARE(::chmod(QFile::encodeName(locked).constData(), 0600), 0);
        QCOMPARE(::chmod(QFile::encodeName(base.path()).constData(), 0755), 0);
        QVERIFY(rerunAsNobody(base.path()));
        return;
    }
    QTemporaryDir gone;
    Pty pty;
    QString path = gone.filePath("ttyUSB0");
    pid_t holder = -1;
    if (reason == OpenFailureReason::PermissionDenied)
        path = nobodyBase() + "/ttyUSB0";
    if (reason == OpenFailureReason::InUse) {
        path = pty.slave;
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0666), 0);
        holder = holdOpen(path, false);
    }
    SerialLink link;
    const bool opened = link.open(path);
    const OpenFailureFacts facts = gatherOpenFailure(path, link.openError());
    if (holder > 0)
        stop(holder);
    QVERIFY(!opened);
    QVERIFY(!facts.systemError.isEmpty());
    QCOMPARE(openFailureReason(facts), reason);
    if (reason == OpenFailureReason::InUse) {
        QCOMPARE(int(facts.holders.size()), 1);
        QCOMPARE(facts.holders[0].pid, qint64(holder));
        // The holder is a copy of this program; the system keeps 15 bytes of its name.
        QCOMPARE(facts.holders[0].name,
                 QFileInfo(QCoreApplication::applicationFilePath()).fileName().left(15));
    }
}

QTEST_GUILESS_MAIN(tst_Ports)
#include "tst_ports.moc"
