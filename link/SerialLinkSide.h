#pragma once
// Shared by the two sides of the serial link (SerialLink.cpp, SerialLinkWin32.cpp).

#include "link/SerialLink.h"

#include <QSerialPortInfo>

#include <functional>

namespace vortan {

// The USB identity of the first listed port for which `isThePort` holds; empty when that port
// has no USB ids or none is listed. Each system's portIdentity names its port its own way.
PortIdentity listedPortIdentity(const std::function<bool(const QSerialPortInfo&)>& isThePort);

} // namespace vortan
