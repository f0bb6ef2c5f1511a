#pragma once
// The link to the unit as the device operations and the tick use it: frames out, the bytes of
// one drain in, and whether the device has gone away. The serial port is one; tests put one
// without a port in its place.

#include "link/Frame.h"

#include <QByteArray>
#include <QString>

namespace vortan {

class Link {
public:
    virtual ~Link() = default;
    // Writes a frame; an operation request then waits until the transmit buffer is empty.
    virtual void write(const Frame& frame, bool waitForTransmit) = 0;
    // One drain of the input queue by its rule (ReceiveQueue); empty when nothing is read.
    virtual QByteArray drain() = 0;
    // True between the loss of the device and its return: nothing is read from it or written to
    // it then.
    virtual bool isLost() const = 0;
    // Opens the device at `devicePath`; false when it cannot be. A link without a port is
    // always open.
    virtual bool open(const QString& /*devicePath*/) { return true; }
    // The device last opened; empty when none was.
    virtual const QString& devicePath() const {
        static const QString none;
        return none;
    }
};

} // namespace vortan
