#include "link/SerialLink.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QMetaObject>
#include <QSerialPortInfo>

#include <termios.h>

namespace vortan {

namespace {
constexpr int kReopenMs = 400;
// 102 bytes take 18 ms at 57600 baud; a port that needs far longer is not draining.
constexpr int kTransmitWaitMs = 250;
} // namespace

PortIdentity portIdentity(const QString& devicePath) {
    PortIdentity id;
    // A link such as /dev/serial/by-id/... names the device it points to.
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    if (device.isEmpty())
        return id;
    // QSerialPortInfo(name) matches the short port name only, never a path: look it up.
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.systemLocation() != device || !info.hasVendorIdentifier() ||
            !info.hasProductIdentifier())
            continue;
        id.usb = true;
        id.vendor = info.vendorIdentifier();
        id.product = info.productIdentifier();
        id.serial = info.serialNumber();
        break;
    }
    return id;
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

bool SerialLink::open(const QString& devicePath) {
    reopenTimer_.stop();
    lost_ = false;
    if (port_.isOpen())
        port_.close();
    path_ = devicePath;
    queue_.clear();
    identity_ = portIdentity(devicePath);
    return openPort();
}

void SerialLink::close() {
    reopenTimer_.stop();
    lost_ = false;
    if (port_.isOpen()) {
        port_.clear(QSerialPort::Input);
        port_.close();
    }
    queue_.clear();
}

bool SerialLink::isOpen() const {
    return port_.isOpen();
}

void SerialLink::pullFromPort() {
    if (!port_.isOpen() || lost_)
        return;
    queue_.append(port_.readAll());
}

int SerialLink::bytesWaiting() {
    pullFromPort();
    return queue_.size();
}

bool SerialLink::waitForBytes(int count, int msecs) {
    QDeadlineTimer deadline(msecs);
    while (bytesWaiting() < count) {
        if (!port_.isOpen() || lost_ || deadline.hasExpired())
            return false;
        port_.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    }
    return true;
}

QByteArray SerialLink::drain() {
    pullFromPort();
    return queue_.drain();
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

void SerialLink::onError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError &&
        error != QSerialPort::WriteError)
        return;
    if (lost_ || !port_.isOpen())
        return;
    lost_ = true;
    sinceLoss_.start();
    emit linkLost();
    // Closing inside the port's own signal would pull the notifier from under it; a flood of
    // further errors is ignored until the queued close has run.
    QMetaObject::invokeMethod(this, &SerialLink::closeAfterLoss, Qt::QueuedConnection);
}

void SerialLink::closeAfterLoss() {
    if (!lost_)
        return; // the user closed or reopened meanwhile
    if (port_.isOpen())
        port_.close();
    port_.clearError();
    queue_.clear();
    reopenTimer_.start();
}

void SerialLink::tryReopen() {
    if (!lost_) {
        reopenTimer_.stop();
        return;
    }
    const qint64 elapsed = sinceLoss_.elapsed();
    // Nothing at the path: no open is tried (it would only make and drop a lock file).
    const bool present = QFileInfo::exists(path_);
    if (!present || !mayReopen(identity_, portIdentity(path_), elapsed, reopenWindowMs_)) {
        // Another device behind the path is left alone. An adapter is awaited as long as it
        // takes; anything else only for the window, then the tuner picks the port again.
        if (!identity_.usb && elapsed > reopenWindowMs_) {
            reopenTimer_.stop();
            emit reopenGivenUp();
        }
        return;
    }
    if (!openPort())
        return;
    lost_ = false;
    reopenTimer_.stop();
    emit linkRestored();
}

} // namespace vortan
