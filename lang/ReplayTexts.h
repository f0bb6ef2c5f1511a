#pragma once
// Texts of the replay that count rows, each in the form its language takes for the number, and
// the note on a log whose rows are not in time order.

#include <string>

namespace vortan {

// Czech has a form for 1, one for 2 to 4 and one for any other number (0 too); English and
// German one for 1 and one for any other.
enum class PluralForm { One, Few, Many };
PluralForm pluralForm(long n, int language);

enum class RowCount {
    Rows,           // the rows of the log
    DamagedSkipped, // its damaged rows, skipped
};

// The number and its words, in `language` (0 Czech, 1 English, 2 German); empty for others.
std::string rowCountText(RowCount t, long n, int language);

// Shown while a log plays whose rows had to be sorted by time.
std::string notInTimeOrderText(int language);

} // namespace vortan
