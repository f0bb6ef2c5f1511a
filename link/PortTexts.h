#pragma once
// The texts of the ports in Czech, English and German: the port settings, the status-bar
// port field and the reasons of an opening error.

#include <string>

namespace vortan {

// Texts of the port settings, the status-bar port field and the reasons of an opening error.
// Those with %1 and %2 take the named values.
enum class PortText {
    DialogTitle,
    DevicesHeading,
    ColumnDevice,
    ColumnDescription,
    ColumnManufacturer,
    ColumnSerialNumber,
    ColumnUsbId,
    PortsHeading,
    PathHint,
    FindUnit,
    Trying,   // %1 device
    Answered, // %1 device
    NoAnswer,
    NothingToTry,
    UseFor, // %1 port number
    Unplugged,
    NotConfigured, // %1 device used instead
    SimulatedUnit,
    PseudoTerminal,
    LinkUp,
    LinkNoReply,
    LinkCannotOpen,
    Missing,        // %1 device
    DevicesPresent, // then the devices, one a line
    NoDevicePresent,
    PermissionDenied, // %1 device
    InUseBy,          // %1 device, %2 programs
    Process,          // %1 program name, %2 process id
    OtherError,       // %1 device, %2 the system's words
    // Windows' reasons (%1 the port's name) and what to do about them.
    WinNoSuchPort,
    WinNoSuchPortHint,
    WinInUseOrDenied,
    WinInUseHint,
    WinDriverHint,
};

// The text of `t` in `language`; empty for other indexes.
std::string portText(PortText t, int language);

} // namespace vortan
