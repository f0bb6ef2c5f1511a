#pragma once
// Texts of the command line that works a unit without a window. Those with %1 take the named
// value.

#include <string>

namespace vortan {

enum class CliText {
    WaitingFirst, // before the first unit: %1 the device
    WaitingNext,  // the unit went away: %1 the device
    Differences,  // the parameters in which the unit differs from the file: %1 how many
    Interrupted,  // Ctrl+C came while a unit was worked on
    OutOfRange,   // --program refuses a file whose values lie outside their ranges
    FileDamaged,  // --program refuses a file that is incomplete or damaged
};

// The text of `t` in `language` (0 Czech, 1 English, 2 German); empty for other indexes.
std::string cliText(CliText t, int language);

} // namespace vortan
