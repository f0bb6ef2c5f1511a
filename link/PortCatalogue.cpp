#include "link/PortCatalogue.h"

#include "link/PortTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace vortan {
namespace {

const QString kDot = QStringLiteral(" · ");

QString text(PortText t, int language) {
    return QString::fromStdString(portText(t, language));
}

// A Windows port name, "COM5" or "\\.\COM5" (any case), as "COM5"; empty for a path. Such a
// port is no file: only the system's list knows whether it is there.
QString windowsPortName(const QString& path) {
    static const QRegularExpression name(QStringLiteral(R"(^(?:\\\\\.\\)?(COM[0-9]+)$)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = name.match(path);
    return m.hasMatch() ? m.captured(1).toUpper() : QString();
}

// The file a path leads to; the path itself when nothing is there.
QString target(const QString& path) {
    const QString port = windowsPortName(path);
    if (!port.isEmpty())
        return port;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

// "/dev/ttyUSB0 · FT232R USB UART A12345": the device with what tells it apart.
QString summary(const SerialDevice& d) {
    const QString port = windowsPortName(d.path);
    const QString shown = port.isEmpty() ? d.path : port;
    const QString more = QStringList({d.description, d.serialNumber}).join(' ').trimmed();
    return more.isEmpty() ? shown : shown + kDot + more;
}

} // namespace

QStringList deviceColumns(const SerialDevice& d, int language) {
    const QString description = d.pseudoTerminal && d.description.isEmpty()
                                    ? text(PortText::PseudoTerminal, language)
                                    : d.description;
    const QString usbId = d.usb ? QStringLiteral("%1:%2")
                                      .arg(d.vendor, 4, 16, QChar('0'))
                                      .arg(d.product, 4, 16, QChar('0'))
                                : QString();
    return {d.path, description, d.manufacturer, d.serialNumber, usbId};
}

QString storedName(const SerialDevice& device, const QString& byIdFolder) {
    if (!device.usb)
        return device.path;
    const QString wanted = target(device.path);
    const QFileInfoList links =
        QDir(byIdFolder)
            .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& link : links)
        if (link.isSymLink() && link.canonicalFilePath() == wanted)
            return link.absoluteFilePath();
    return device.path;
}

int deviceIndexOf(const QString& path, const std::vector<SerialDevice>& devices) {
    const QString wanted = target(path);
    for (std::size_t i = 0; i < devices.size(); ++i)
        if (target(devices[i].path) == wanted)
            return static_cast<int>(i);
    return -1;
}

QString portMeaning(const QString& stored, const QString& defaultPath,
                    const std::vector<SerialDevice>& devices, int language) {
    // Where the default is the port's own name (Windows), no entry is needed.
    const bool defaultIsPort = !windowsPortName(defaultPath).isEmpty();
    if (stored.isEmpty() && !defaultIsPort)
        return text(PortText::NotConfigured, language).arg(defaultPath);
    const QString path = stored.isEmpty() ? defaultPath : stored;
    const int i = deviceIndexOf(path, devices);
    if (i >= 0)
        return summary(devices[static_cast<std::size_t>(i)]);
    // Some Windows ports (virtual or Bluetooth ones) open without being listed: no verdict.
    const QString port = windowsPortName(path);
    if (!port.isEmpty())
        return port;
    if (!QFileInfo::exists(path))
        return path + ' ' + text(PortText::Unplugged, language);
    return target(path);
}

QString portStatusText(int comPort, bool demo, const QString& meaning, int language) {
    if (demo)
        return QStringLiteral("DEMO") + kDot + text(PortText::SimulatedUnit, language);
    const QString port = QStringLiteral("COM%1").arg(comPort);
    // "COM5 · COM5 · USB Serial Port" says the port's name once.
    if (meaning == port || meaning.startsWith(port + kDot))
        return meaning;
    return port + kDot + meaning;
}

QStringList probeCandidates(const std::vector<SerialDevice>& devices, const QString& openPath) {
    const int open = openPath.isEmpty() ? -1 : deviceIndexOf(openPath, devices);
    QStringList out;
    for (std::size_t i = 0; i < devices.size(); ++i)
        if (static_cast<int>(i) != open)
            out << devices[i].path;
    return out;
}

LinkMark linkMark(bool open, bool heardSinceOpen, int silenceCount) {
    if (!open)
        return LinkMark::CannotOpen;
    return heardSinceOpen && silenceCount < 18 ? LinkMark::Up : LinkMark::NoReply;
}

} // namespace vortan
