#pragma once
// Texts of the run log: recording, replay, the time-in-cell colouring and the plot. Those with
// %1 and %2 take the named values. "REPLAY" and the recording field are the same in every
// language.

#include <string>

namespace vortan {

enum class LogText {
    SaveTitle,        // the file dialog of Record log
    OpenTitle,        // the file dialog of Replay log
    FileFilter,       // "CSV logs (*.csv)"
    AllFilesFilter,   // the file dialog's filter of every file
    RecordFailed,     // %1 the system's words
    RecordCannotOpen, // %1 the file, %2 the system's words
    Unreadable,       // %1 the file
    Empty,
    Binary,
    MissingColumns, // %1 the columns
    NoRows,
    ReplayEnd, // %1 the rows shown, %2 the damaged rows skipped (rowCountText)
    Play,      // tool tip of the play/pause button
    Pause,
    StepBack,
    StepForward,
    Speed,
    Position,
    CloseReplay,
    Plot,
    ColourSource, // tool tip of the choice beside "Colours"
    ColouringAdvance,
    ColouringDwell,
    DwellTip, // %1 the cell's share of the time in percent
    SeriesRpm,
    SeriesThrottle,
    SeriesAdvance,
    SeriesLambda,
    AxisTime,
};

// The text of `t` in `language` (0 Czech, 1 English, 2 German); empty for other indexes.
std::string logText(LogText t, int language);

inline constexpr const char* kReplayBanner = "REPLAY";

} // namespace vortan
