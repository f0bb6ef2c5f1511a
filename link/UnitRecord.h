#pragma once
// When the record of what the unit holds (its pages as last seen, with the identification
// page it last sent) stops being true of the unit at the other end of the line: the line was
// lost (unplugged, the device gone) or fell silent ("No Connection", as when the cable is moved
// to another bike behind an adapter that stays), another device was opened, or a unit answers with
// another identification. Until a read or a program has seen the unit again, its set is
// unknown.

#include "params/DeviceImage.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vortan {

using IdentificationPage = std::array<std::uint8_t, kPageSize>;

enum class UnitEvent {
    LinkLost,   // the device went away under the open port
    LinkSilent, // "No Connection" came up: the unit behind a port that stays open may be another
    PortOpened, // the tuner opened a port (Com menu, port settings, leaving the demo)
    PageZero,   // a read or a program received the unit's identification page
};

struct UnitEventFacts {
    UnitEvent event = UnitEvent::PageZero;
    bool sameDevice = false; // PortOpened: the device path is the one open before
    std::optional<IdentificationPage> recorded; // PageZero: the one the record has, if any
    IdentificationPage received{};              // PageZero: the one in the reply
};

// True when the record is to be forgotten.
bool forgetsUnitRecord(const UnitEventFacts& facts);

} // namespace vortan
