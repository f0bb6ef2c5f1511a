#pragma once
// Texts of closing the program: the questions asked before it closes and the report of
// settings files it could not write. Those with %1, %2 and %3 take the named values.

#include <string>

namespace vortan {

enum class CloseText {
    ProgramRunning,   // an operation that writes the unit is running
    OperationRunning, // a read, verify or compare is running
    WaitForEnd,       // button
    CloseAnyway,      // button
    ProgramFirst,     // %1 the number of parameters that differ
    ProgramButton,
    CloseButton,
    CancelButton,
    DoNotAskAgain,    // check box
    ProgramFailed,    // %1 the message of a verify that succeeded
    WriteFailed,      // the heading above the files
    WriteFailedFile,  // %1 the file, %2 what it holds, %3 why
    HoldsSettings,    // what Vortan2.ini holds
    HoldsImage,       // what _Vortan2.ini holds
    WriteFailedClose, // the question below the files
    NoPermission,
    ReadOnly,
    NoSpace,
    NoFolder,
    NotRegularFile,
    OtherFailure, // %1 the system's words
};

// The text of `t` in `language` (0 Czech, 1 English, 2 German); empty for other indexes.
std::string closeText(CloseText t, int language);

} // namespace vortan
