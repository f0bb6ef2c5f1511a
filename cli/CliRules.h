#pragma once
// The rules of the command line that works units without a window: how a run ends (its
// result and exit code), and when the next unit on the same port is taken in a repeated run.

#include "lang/Texts.h"

#include <optional>

namespace vortan {

// How working one unit, or the run before any unit, ended.
enum class CliResult {
    Ok,              // "Verify OK"; a comparison without differences
    VerifyFailed,    // "Verify error!"; a comparison that found differences
    BadCommandLine,  // the arguments do not say what to do
    NoConnection,    // "No Connection", or the port could not be opened
    Refused,         // the unit's compatibility refused the operation (message box texts)
    BadFile,         // the file could not be read, is no parameter file, or cannot be written
    OperationFailed, // "Program error!" or "Read error!" while the unit answered
    Interrupted,     // Ctrl+C while a unit was worked on
};

// The program's exit code for `result`: 0 only for Ok, a code of its own for each other.
int exitCode(CliResult result);

// What was seen when a unit's work ended.
struct UnitEnd {
    std::optional<Message> message; // the last result message shown ("Verify OK", a failure)
    std::optional<Message> box;     // a compatibility message box
    bool noConnection = false;      // "No Connection" shows at the end
    bool compared = false;          // a comparison ended ...
    int differences = 0;            // ... finding this many parameters that differ
};
CliResult unitResult(const UnitEnd& end);

// When a repeated run takes the next unit: a unit answering starts the work; once it has
// ended the unit must go away (the link silent for at least the kSilentTicks of
// "No Connection", as when it is unplugged) before a unit answering again is the next one.
// While waiting, a link that stays silent, or that brings frames but no monitor packet for
// kSilentTicks (a device that is no unit, or a unit that does not stream), means no unit.
class UnitWatch {
public:
    enum class State { WaitingForUnit, Working, WaitingForUnplug };
    enum class Action {
        None,
        Start,  // a unit answered: work on it
        Done,   // the work on the unit ended
        Gone,   // the unit went away: the next one is waited for
        NoUnit, // waiting, and "No Connection" shows: no unit answers
    };
    // One tick's facts: a valid monitor packet came in; the tick's silence counter (ticks
    // since the last valid frame); an operation runs.
    Action tick(bool packet, int silenceCount, bool working);
    State state() const { return state_; }

private:
    State state_ = State::WaitingForUnit;
    int waited_ = 0; // ticks waited for a unit without a monitor packet
};

} // namespace vortan
