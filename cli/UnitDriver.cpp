#include "cli/UnitDriver.h"

namespace vortan {

void OperationsDriver::start(Step step) {
    switch (step) {
    case Step::Identify:
        ops_.startIdentify();
        return;
    case Step::Read:
        ops_.startRead();
        return;
    case Step::Verify:
        ops_.startVerify();
        return;
    case Step::Program:
        ops_.startProgram();
        return;
    case Step::Compare:
        ops_.startCompare();
        return;
    }
}

void OperationsDriver::showMessage(Message message) {
    tick_.messageShown();
    listener_.message(message);
}

} // namespace vortan
