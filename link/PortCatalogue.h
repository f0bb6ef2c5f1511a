#pragma once
// The serial devices a port COM1..COM10 may lead to, and what a stored port entry means now:
// the rows of the port settings, the name stored for a device, the text of the status-bar
// port field and its mark. No widgets and no serial-port access: the devices come in as data.

#include <QString>
#include <QStringList>
#include <vector>

namespace vortan {

// One serial device as the system lists it.
struct SerialDevice {
    QString path; // e.g. /dev/ttyUSB0
    QString description;
    QString manufacturer;
    QString serialNumber;
    bool usb = false; // vendor and product below are known
    quint16 vendor = 0;
    quint16 product = 0;
    bool pseudoTerminal = false;
};

// Where the system keeps a stable link per USB adapter, named after its identity.
inline constexpr const char* kByIdFolder = "/dev/serial/by-id";

// The row of the device list: device, description (a pseudo-terminal's says so), manufacturer,
// serial number, USB vendor:product as "0403:6001" (empty without USB identity).
QStringList deviceColumns(const SerialDevice& device, int language);

// The name stored for the device: for a USB adapter the link in `byIdFolder` that leads to
// it, when there is one, so that the same adapter is found whatever ttyUSBn it gets next
// time; else its path.
QString storedName(const SerialDevice& device, const QString& byIdFolder);

// Index of the device that `path` leads to (the same file after links, or the same Windows port
// name), -1 for none.
int deviceIndexOf(const QString& path, const std::vector<SerialDevice>& devices);

// What a port's entry means now: the device with its description and serial number when
// listed ("/dev/ttyUSB0 · FT232R A12345"), the device a link leads to, "(unplugged)" after an
// entry whose device is gone, or "not configured: <default>" without an entry. A Windows port
// name ("COM5", "\\.\COM5") is the same port in either form, stands for itself when no entry
// is needed (the default is the port's own name) and is shown by its name when not listed.
QString portMeaning(const QString& stored, const QString& defaultPath,
                    const std::vector<SerialDevice>& devices, int language);

// The status-bar field: "COM1 · <meaning>" (the port's name said once when the meaning starts
// with it), or "DEMO · simulated unit" in the demo.
QString portStatusText(int comPort, bool demo, const QString& meaning, int language);

// The listed devices a search for the unit tries: all but the one open now.
QStringList probeCandidates(const std::vector<SerialDevice>& devices, const QString& openPath);

enum class LinkMark { Up, NoReply, CannotOpen };
// Up while a valid frame came since the port was opened and the silence is below 18 ticks.
LinkMark linkMark(bool open, bool heardSinceOpen, int silenceCount);

// Pseudo-terminals under `ptsFolder` that this user may read and write and that are no
// session's terminal (no process under `procFolder` has one as its controlling terminal):
// a simulated unit's line, never someone's shell.
QStringList freePseudoTerminals(const QString& ptsFolder = QStringLiteral("/dev/pts"),
                                const QString& procFolder = QStringLiteral("/proc"));

} // namespace vortan
