#include "link/SerialLinkSide.h"

// The Linux side of the serial link: QSerialPort, with tcdrain for the transmit-empty wait.

#include <QFileInfo>
#include <QSerialPortInfo>

#include <termios.h>

namespace vortan {

namespace {
constexpr int kReopenMs = 400;
// 102 bytes take 18 ms at 57600 baud; a port that needs far longer is not draining.
constexpr int kTransmitWaitMs = 250;
} // namespace

PortIdentity portIdentity(const QString& devicePath) {
    // A link such as /dev/serial/by-id/... names the device it points to.
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    if (device.isEmpty())
        return PortIdentity();
    // QSerialPortInfo(name) matches the short port name only, never a path: look it up.
    return listedPortIdentity(
        [&device](const QSerialPortInfo& info) { return info.systemLocation() == device; });
}

SerialLink::SerialLink(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialLink::onError);
    reopenTimer_.setInterval(kReopenMs);
    connect(&reopenTimer_, &QTimer::timeout, this, &SerialLink::tryReopen);
}

SerialLink::~SerialLink() {
    close();
}

bool SerialLink::openPort() {
    port_.setPortName(path_);
    port_.setBaudRate(QSerialPort::Baud57600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    // Read-buffer size stays 0: a capped buffer stops refilling after a read served from it.
    const bool ok = port_.open(QIODevice::ReadWrite);
    openError_ = ok ? QString() : port_.errorString();
    port_.clearError();
    return ok;
}

void SerialLink::closePort(bool purgeInput) {
    if (port_.isOpen()) {
        if (purgeInput)
            port_.clear(QSerialPort::Input);
        port_.close();
    }
    port_.clearError();
}

bool SerialLink::isOpen() const {
    return port_.isOpen();
}

void SerialLink::pullFromPort() {
    if (!port_.isOpen() || lost_)
        return;
    queue_.append(port_.readAll());
}

void SerialLink::waitForInput(int msecs) {
    port_.waitForReadyRead(msecs);
}

bool SerialLink::portPresent() const {
    return QFileInfo::exists(path_);
}

void SerialLink::write(const Frame& frame, bool waitForTransmit) {
    if (!port_.isOpen() || lost_)
        return;
    port_.write(reinterpret_cast<const char*>(frame.data()), kFrameSize);
    if (!waitForTransmit)
        return;
    // Both waits are bounded: the Qt wait by its time-out, tcdrain because only bytes already
    // handed to the driver remain, and a hung-up line returns at once.
    if (port_.waitForBytesWritten(kTransmitWaitMs) && port_.isOpen() && !lost_)
        ::tcdrain(port_.handle());
}

} // namespace vortan
