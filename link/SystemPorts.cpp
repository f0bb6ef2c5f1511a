#include "link/SystemPorts.h"

#include <QSerialPortInfo>

namespace vortan {

SerialDevice toSerialDevice(const QSerialPortInfo& info) {
    SerialDevice d;
    d.path = info.systemLocation();
    d.description = info.description();
    d.manufacturer = info.manufacturer();
    d.serialNumber = info.serialNumber();
    d.usb = info.hasVendorIdentifier() && info.hasProductIdentifier();
    d.vendor = info.vendorIdentifier();
    d.product = info.productIdentifier();
    return d;
}

std::vector<SerialDevice> listedSerialDevices() {
    std::vector<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices.push_back(toSerialDevice(info));
    return devices;
}

std::vector<SerialDevice> systemSerialDevices() {
    std::vector<SerialDevice> devices = listedSerialDevices();
    for (const QString& pty : freePseudoTerminals()) {
        SerialDevice d;
        d.path = pty;
        d.pseudoTerminal = true;
        devices.push_back(d);
    }
    return devices;
}

} // namespace vortan
