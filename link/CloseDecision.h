#pragma once
// What closing the main window does at the moment it is asked to close: close, ask the user
// first, or let a program of the unit end before closing.

#include <cstdint>

namespace vortan {

// Who asks the window to close: the user (File › Exit, the window's close button) or a
// signal (SIGTERM at a logout, SIGINT), which nobody may be there to answer.
enum class CloseRequest { User, Signal };

struct CloseFacts {
    CloseRequest request = CloseRequest::User;
    std::uint8_t operation = 0; // DeviceOperations::Operation; 0 idle
    // The running operation writes the unit: a program, or the verify that ends one.
    bool programming = false;
    bool operationAnswered = false; // the user chose to close while it runs
    // Parameters of the set on screen that differ from the unit's pages as seen in this
    // session; negative when the unit has not been seen.
    int unitDifferences = -1;
    bool askToProgram = true;    // "do not ask again" not chosen
    bool programAsked = false;   // asked already in this close
    bool signalWaitOver = false; // the wait for a program after a signal has run out
};

enum class CloseStep {
    CloseAtOnce,       // a signal: the close runs now, without a question
    NothingToAsk,      // the user's close runs now
    AskAboutOperation, // an operation runs: wait for its end, or close anyway
    AskToProgramFirst, // the unit holds another set: program it first, close, or cancel
    WaitForProgram,    // a signal while the unit is programmed: let it end first
};

// How long a signal waits for a running program and its verify to end.
constexpr int kSignalProgramWaitMs = 2000;

CloseStep closeStep(const CloseFacts& facts);

} // namespace vortan
