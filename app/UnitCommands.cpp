#include "app/UnitCommands.h"

#include "app/SetStatusView.h"
#include "app/WindowContext.h"
#include "session/Session.h"

namespace vortan {

UnitCommands::UnitCommands(WindowContext& context, SetStatusView& status)
    : context_(context), status_(status) {}

void UnitCommands::read() {
    context_.session.startRead();
    status_.updateSetLock();
}

void UnitCommands::verify() {
    context_.session.startVerify();
    status_.updateSetLock();
}

void UnitCommands::program() {
    context_.session.startProgram();
    status_.updateSetLock();
}

void UnitCommands::compareUnit() {
    context_.session.startCompare();
    status_.updateSetLock();
}

} // namespace vortan
