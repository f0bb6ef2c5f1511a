#include "link/SetLock.h"

#include "link/DeviceOperations.h"

namespace vortan {

std::optional<OperationText> lockReason(std::uint8_t operation) {
    switch (operation) {
    case DeviceOperations::Read:
        return OperationText::LockedReading;
    case DeviceOperations::Verify:
        return OperationText::LockedVerifying;
    case DeviceOperations::Program:
        return OperationText::LockedProgramming;
    default:
        // Idle, and a comparison, which reads the unit's pages beside the set and never
        // into it.
        return std::nullopt;
    }
}

bool lockedDuring(SetCommand command, std::uint8_t operation) {
    switch (command) {
    case SetCommand::ChangeValues:
    case SetCommand::UndoRedo:
    case SetCommand::NewSet:
    case SetCommand::OpenSet:
        return lockReason(operation).has_value();
    case SetCommand::StartOperation:
    case SetCommand::LookAtSet:
        return false;
    }
    return false;
}

} // namespace vortan
