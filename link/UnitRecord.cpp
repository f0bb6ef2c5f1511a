#include "link/UnitRecord.h"

namespace vortan {

namespace {
// Byte 9 of the identification page is reserved: what a unit sends there tells nothing.
constexpr int kReservedIdentificationByte = 9;
} // namespace

bool forgetsUnitRecord(const UnitEventFacts& facts) {
    switch (facts.event) {
    case UnitEvent::LinkLost:
    case UnitEvent::LinkSilent:
        return true;
    case UnitEvent::PortOpened:
        return !facts.sameDevice;
    case UnitEvent::PageZero:
        if (!facts.recorded)
            return false;
        for (int i = 0; i < kPageSize; ++i)
            if (i != kReservedIdentificationByte &&
                (*facts.recorded)[std::size_t(i)] != facts.received[std::size_t(i)])
                return true;
        return false;
    }
    return false;
}

} // namespace vortan
