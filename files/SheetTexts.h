#pragma once
// Texts of the tune sheet: the vector PDF of every parameter that File › Export tune sheet
// writes and the print dialog offers beside the window's picture.

#include <string>

namespace vortan {

enum class SheetText {
    Title,
    File,             // heading field: the parameter file
    NoFile,           // the set came from no file
    Date,             // heading field: date and time
    Unit,             // heading field: the unit's identification
    Notes,            // heading field: the tuner's notes
    NotesPrompt,      // label of the notes field in the save dialog
    SaveTitle,        // title of the save dialog
    PdfFilter,        // its filter
    InputsTitle,      // the section of the switch inputs' polarities
    MapTitle,         // the advance map's table
    ServoTitle,       // the servo table
    PrintChoice,      // the print dialog's check box: the sheet instead of the window's picture
    WriteFailed,      // %1 the file
    PrintUnavailable, // the print module is missing
};

// The text of `t` in `language`; empty for other indexes.
std::string sheetText(SheetText t, int language);

} // namespace vortan
