#pragma once
// Texts of the help command (Help › Contents, F1) when the manual cannot be shown. %1 and %2
// take the named values.

#include <string>

namespace vortan {

enum class HelpText {
    NoViewer, // %1 the manual's path: found, but no program opened it
    NotFound, // %1 the manual's file name, %2 the folders searched, one a line
};

// The text of `t` in `language` (0 Czech, 1 English, 2 German); empty for other indexes.
std::string helpText(HelpText t, int language);

} // namespace vortan
