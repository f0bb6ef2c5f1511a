#include "link/CloseDecision.h"

namespace vortan {

CloseStep closeStep(const CloseFacts& f) {
    const bool running = f.operation != 0;
    if (f.request == CloseRequest::Signal) {
        // A program stopped half way leaves the unit half programmed; reads and verifies
        // change nothing and end at once.
        if (running && f.programming && !f.signalWaitOver)
            return CloseStep::WaitForProgram;
        return CloseStep::CloseAtOnce;
    }
    if (running)
        return f.operationAnswered ? CloseStep::NothingToAsk : CloseStep::AskAboutOperation;
    if (f.askToProgram && !f.programAsked && f.unitDifferences > 0)
        return CloseStep::AskToProgramFirst;
    return CloseStep::NothingToAsk;
}

} // namespace vortan
