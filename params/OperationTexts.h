#pragma once
// Texts of the set while the unit is worked on: why the set cannot be changed while an
// operation runs, and what a restore point came from. Those with %1 and %2 take the named
// values.

#include <string>

namespace vortan {

enum class OperationText {
    LockedReading,     // the status bar while a read runs
    LockedVerifying,   // ... while a verify runs
    LockedProgramming, // ... while a program runs
    EditedFrom,        // a restore point that differs from its file: %1 the file's name
    RestorePointLabel, // the file label of an opened restore point: %1 its date and time
};

// The text of `t` in `language` (0 Czech, 1 English, 2 German); empty for other indexes.
std::string operationText(OperationText t, int language);

} // namespace vortan
