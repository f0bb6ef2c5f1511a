#pragma once
// What the tuner may do with the parameter set while a device operation runs. A read, verify
// or program works on the set as it stood when it began: the set on screen must not change
// under it, or the unit, the screen and the restore point it leaves would tell different
// stories. Starting an operation stays possible (it replaces the one running), and so does
// everything that only looks at the set.

#include "params/OperationTexts.h"

#include <cstdint>
#include <optional>

namespace vortan {

enum class SetCommand {
    ChangeValues,   // fields, check boxes, the motorbike list, step and map buttons, paste
    UndoRedo,       // the Edit menu
    NewSet,         // File › New
    OpenSet,        // File › Open, a restore point opened, values taken from the report
    StartOperation, // Read, Verify, Program, Compare with unit
    LookAtSet,      // Save, Print, the comparisons with a file, the difference report
};

// True when `command` is refused while `operation` (DeviceOperations::Operation) runs.
bool lockedDuring(SetCommand command, std::uint8_t operation);

// Why the set is locked while `operation` runs; nothing when it is not.
std::optional<OperationText> lockReason(std::uint8_t operation);

} // namespace vortan
