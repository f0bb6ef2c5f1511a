// The serial link's steps that both systems share: opening by path, the receive queue, the
// loss of the link and its reopening. Each system's side (SerialLink.cpp with QSerialPort on
// Linux, SerialLinkWin32.cpp with the Win32 calls on Windows) opens, reads, waits for, writes
// and closes the port itself.

#include "link/SerialLinkSide.h"

#include <QDeadlineTimer>
#include <QMetaObject>

#include <algorithm>

namespace vortan {

PortIdentity listedPortIdentity(const std::function<bool(const QSerialPortInfo&)>& isThePort) {
    PortIdentity id;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (!isThePort(info) || !info.hasVendorIdentifier() || !info.hasProductIdentifier())
            continue;
        id.usb = true;
        id.vendor = info.vendorIdentifier();
        id.product = info.productIdentifier();
        id.serial = info.serialNumber();
        break;
    }
    return id;
}

bool SerialLink::open(const QString& devicePath) {
    reopenTimer_.stop();
    lost_ = false;
    closePort(false);
    path_ = devicePath;
    queue_.clear();
    identity_ = portIdentity(devicePath);
    return openPort();
}

void SerialLink::close() {
    reopenTimer_.stop();
    lost_ = false;
    closePort(true);
    queue_.clear();
}

int SerialLink::bytesWaiting() {
    pullFromPort();
    return queue_.size();
}

bool SerialLink::waitForBytes(int count, int msecs) {
    QDeadlineTimer deadline(msecs);
    while (bytesWaiting() < count) {
        if (!isOpen() || lost_ || deadline.hasExpired())
            return false;
        waitForInput(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    }
    return true;
}

QByteArray SerialLink::drain() {
    pullFromPort();
    return queue_.drain();
}

void SerialLink::onError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError &&
        error != QSerialPort::WriteError)
        return;
    if (lost_ || !isOpen())
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
    closePort(false);
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
    if (!portPresent() || !mayReopen(identity_, portIdentity(path_), elapsed, reopenWindowMs_)) {
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
