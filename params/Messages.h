#pragma once
// The messages the core reports (operation results, the boxes it asks for, the names and
// values of compared parameters) and the names of the edits of the parameter set, in Czech,
// English and German. The window shows them; the core reports them by these values.

#include <optional>
#include <string>

namespace vortan {

enum Language : int { Czech = 0, English = 1, German = 2 };

enum class Message {
    ReadStarted,
    ProgramStarted,
    VerifyStartedByUser,
    VerifyStartedAuto,
    VerifyOk,
    ReadFailed,
    VerifyFailed,
    ProgramFailed,
    IncompatibleUnit, // message box
    UnsupportedBike,  // message box
    FileVersion,      // message box: header missing or of another version
    PrintHeading,     // heading of the printed date line
    NoPrinter,        // message box
    OutOfRangeNote, // tool tip of a field showing a value outside its range: %1 value, %2..%3 range
    // Names and values of the difference report (%1, %2 filled in).
    DiffBikeType,
    DiffMapSpeed,
    DiffServoSpeed,
    DiffServoVoltage,
    DiffAdvance,
    DiffByte,
    DiffOn,
    DiffOff,
};

// True for the failures that the message label shows in red.
bool isFailure(Message m);
// The start messages also make the message label visible.
bool isStart(Message m);
// The text of `m` in `language` (0 Czech, 1 English, 2 German); empty for other indexes.
std::string messageText(Message m, int language);

// The edits of the parameter set (pages 1 and 2 of the image), by the names under which the
// Edit menu offers to undo and redo them.
enum class EditName {
    Field,          // a committed field, check box or arrow click
    AdvanceMinus,   // "Advance -"
    AdvancePlus,    // "Advance +"
    ColumnDown,     // a column shift button's down arrow
    ColumnUp,       // its up arrow
    ServoMinus,     // servo voltages 20 mV down
    ServoPlus,      // 20 mV up
    SetTps0,        // "Set TPS 0 %"
    SetTps100,      // "Set TPS 100 %"
    BikeType,       // a motorbike type chosen
    New,            // the default set
    OpenFile,       // a parameter file's values
    Read,           // the pages read from the unit
    RestoreLast,    // the set of the last run, at start-up
    TakeUnit,       // values taken from the unit in the difference report
    TakeFile,       // values taken from the file in the difference report
    MapRaise,       // selected map cells raised by the step
    MapLower,       // ... lowered by the step
    MapSet,         // ... set to a value
    MapScale,       // ... scaled by a percentage
    MapInterpolate, // ... interpolated
    MapSmooth,      // ... smoothed
    MapPaste,       // cells pasted into the map
};

// The name of `edit` in `language`; empty for other indexes.
std::string editNameText(EditName edit, int language);
// Caption of the Undo item, or of the Redo item when `redo`: the edit it would undo or redo,
// or the plain caption when there is none. Empty for other language indexes.
std::string undoItemText(bool redo, std::optional<EditName> edit, int language);

} // namespace vortan
