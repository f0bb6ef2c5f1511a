#include "link/SerialLink.h"

// The rule by which a lost link reopens the device behind its path, the same on every system.

namespace vortan {

bool mayReopen(const PortIdentity& atOpen, const PortIdentity& now, qint64 msSinceLoss,
               qint64 windowMs) {
    if (!atOpen.usb)
        return !now.usb && msSinceLoss <= windowMs;
    return now.usb && now.vendor == atOpen.vendor && now.product == atOpen.product &&
           (atOpen.serial.isEmpty() || now.serial == atOpen.serial);
}

} // namespace vortan
