#pragma once
// The texts of the restore points in Czech, English and German.

#include <string>

namespace vortan {

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

} // namespace vortan
