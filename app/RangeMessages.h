#pragma once
// Values outside their fields' ranges and values the rules correct, as the main window tells
// them: the box before such values are programmed, the status-bar line of a typed value that a
// field refused, and what the rules corrected in a set read from the unit or taken from it.

#include "params/DeviceImage.h"

#include <vector>

namespace vortan {

class ParamSpinBox;
struct WindowContext;

class RangeMessages {
public:
    explicit RangeMessages(WindowContext& context);

    // Asked before a program starts: true when it may. A program from a command asks at once;
    // one after a change asks once the change handler has returned, and programs then if the
    // tuner says so.
    bool confirmProgram(bool afterChange);
    // The status-bar line of a typed value `edit` refused.
    void typedRefused(ParamSpinBox* edit, int typed);
    // The values a read's set had corrected, told once the verify after it has ended.
    void tellReadCorrections(const DeviceImage& received);
    // Values taken from the unit's set that the rules correct: the status bar says why.
    void tellTakenCorrections(const DeviceImage& taken, const std::vector<int>& bytes);

private:
    // The box that asks before values outside their ranges are programmed (objectName
    // "BoxProgramOutOfRange"), true for "Program anyway".
    bool askProgramAnyway();

    WindowContext& context_;
    bool rangeBoxPending_ = false; // the box of a program after change is queued or open
};

} // namespace vortan
