#include "cli/CliRules.h"

#include "link/Tick.h"

#include <algorithm>

namespace vortan {

int exitCode(CliResult result) {
    switch (result) {
    case CliResult::Ok:
        return 0;
    case CliResult::VerifyFailed:
        return 1;
    case CliResult::BadCommandLine:
        return 2;
    case CliResult::NoConnection:
        return 3;
    case CliResult::Refused:
        return 4;
    case CliResult::BadFile:
        return 5;
    case CliResult::OperationFailed:
        return 6;
    case CliResult::Interrupted:
        return 130; // as a shell reports a program ended by SIGINT
    }
    return 6;
}

CliResult unitResult(const UnitEnd& end) {
    if (end.box)
        return CliResult::Refused;
    if (end.message && isFailure(*end.message)) {
        if (end.noConnection)
            return CliResult::NoConnection;
        return *end.message == Message::VerifyFailed ? CliResult::VerifyFailed
                                                     : CliResult::OperationFailed;
    }
    if (end.compared)
        return end.differences == 0 ? CliResult::Ok : CliResult::VerifyFailed;
    if (end.message == Message::VerifyOk)
        return CliResult::Ok;
    return end.noConnection ? CliResult::NoConnection : CliResult::OperationFailed;
}

UnitWatch::Action UnitWatch::tick(bool packet, int silenceCount, bool working) {
    const bool silent = silenceCount >= kSilentTicks;
    switch (state_) {
    case State::WaitingForUnit:
        if (packet) {
            state_ = State::Working;
            waited_ = 0;
            return Action::Start;
        }
        waited_ = std::min(waited_ + 1, kSilentTicks);
        return silent || waited_ >= kSilentTicks ? Action::NoUnit : Action::None;
    case State::Working:
        if (working)
            return Action::None;
        state_ = State::WaitingForUnplug;
        return Action::Done;
    case State::WaitingForUnplug:
        if (!silent)
            return Action::None;
        state_ = State::WaitingForUnit;
        waited_ = 0;
        return Action::Gone;
    }
    return Action::None;
}

} // namespace vortan
