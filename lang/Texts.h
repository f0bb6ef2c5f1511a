#pragma once
// The user-interface texts in Czech, English and German: the captions and hints that a
// language switch sets, and the messages picked by the language index when shown.
// Texts are UTF-8.

#include <optional>
#include <string>
#include <vector>

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

// Texts of the difference report window.
enum class ReportText {
    Title,
    ColumnParameter,
    ColumnScreen,
    ColumnUnit,
    ColumnFile,
    AdvanceMap, // the group of the map cells: %1 cells that differ
    NoDifferences,
    TakeUnit,
    TakeFile,
    Program,
};

// The text of `t` in `language`; empty for other indexes.
std::string reportText(ReportText t, int language);
// Shown in the report for a value whose set is not known.
inline constexpr const char* kUnknownValue = "—";

// Texts of the port settings, the status-bar port field and the reasons of an opening error.
// Those with %1 and %2 take the named values.
enum class PortText {
    DialogTitle,
    DevicesHeading,
    ColumnDevice,
    ColumnDescription,
    ColumnManufacturer,
    ColumnSerialNumber,
    ColumnUsbId,
    PortsHeading,
    PathHint,
    FindUnit,
    Trying,   // %1 device
    Answered, // %1 device
    NoAnswer,
    NothingToTry,
    UseFor, // %1 port number
    Unplugged,
    NotConfigured, // %1 device used instead
    SimulatedUnit,
    PseudoTerminal,
    LinkUp,
    LinkNoReply,
    LinkCannotOpen,
    Missing,        // %1 device
    DevicesPresent, // then the devices, one a line
    NoDevicePresent,
    PermissionDenied, // %1 device
    InUseBy,          // %1 device, %2 programs
    Process,          // %1 program name, %2 process id
    OtherError,       // %1 device, %2 the system's words
    // Windows' reasons (%1 the port's name) and what to do about them.
    WinNoSuchPort,
    WinNoSuchPortHint,
    WinInUseOrDenied,
    WinInUseHint,
    WinDriverHint,
};

// The text of `t` in `language`; empty for other indexes.
std::string portText(PortText t, int language);

// The status-bar field of the changes not yet in the unit and not yet saved. `notInUnit`: the
// parameters on screen that differ from the unit's as last seen, unknown before the unit
// answered; `notSaved`: those that differ from the file last saved or opened, unknown when
// none was. Empty for other language indexes.
std::string changeCountsText(std::optional<int> notInUnit, std::optional<int> notSaved,
                             int language);

// Texts of the restore points: the sets programmed into the unit and verified, kept as
// parameter files. Those with %1 take the named value.
enum class RestoreText {
    DialogTitle,
    ColumnDate,
    ColumnTime,
    ColumnUnit,
    ColumnFile,
    ColumnDifferences,
    Open,
    Compare,
    Close,
    NoFile,      // the set came from no file
    WriteFailed, // %1 the folder
};

// The text of `t` in `language`; empty for other indexes.
std::string restoreText(RestoreText t, int language);

// Texts that are the same in every language.
inline constexpr const char* kComOpeningError = "Com opening error";
inline constexpr const char* kOpenFileError = "Open file error";
inline constexpr const char* kNoConnection = "No Connection";
// The title of the program's message boxes.
inline constexpr const char* kBoxTitle = "Vortan 2";

enum class TextProperty { Caption, Hint };

struct UiText {
    std::string objectName;
    TextProperty property;
    std::string czech;
    std::string english;
    std::string german;
    const std::string& in(int language) const {
        return language == Czech ? czech : language == German ? german : english;
    }
};

// Every text a language operation sets, in the order it sets them (MenuCom1..10 expanded).
const std::vector<UiText>& uiTexts();
// The texts of the commands added to those (the comparisons), set after them.
const std::vector<UiText>& addedUiTexts();

// The caption that the control `objectName` shows in `language`, without its '&': the last one
// a language switch sets, else the one the form gives it in every language; empty when none.
std::string tableCaption(const char* objectName, int language);

// Text of the About box for `language`, with the build date and time filled in.
std::string aboutText(int language, const std::string& buildDate, const std::string& buildTime);

// File name of the user manual for `language`.
std::string manualFileName(int language);
// File name of the HTML user manual for `language`, opened when no manualFileName is there.
std::string htmlManualFileName(int language);

} // namespace vortan
