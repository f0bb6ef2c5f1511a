#pragma once
// The serial devices this computer has, as the serial-port module lists them, and the
// pseudo-terminals that no session uses (a simulated unit's line).

#include "link/PortCatalogue.h"

class QSerialPortInfo;

namespace vortan {

SerialDevice toSerialDevice(const QSerialPortInfo& info);

// The serial devices the system lists (no pseudo-terminals). Opens none of them.
std::vector<SerialDevice> listedSerialDevices();
// The listed devices, then the free pseudo-terminals. Opens none of them.
std::vector<SerialDevice> systemSerialDevices();

} // namespace vortan
