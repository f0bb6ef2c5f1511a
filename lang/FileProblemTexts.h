#pragma once
// What is said of a parameter file that is incomplete or damaged: a heading and a line per
// problem the reader met.

#include "files/ParamFile.h"

#include <string>
#include <vector>

namespace vortan {

// "The file is incomplete or damaged:" in `language` (0 Czech, 1 English, 2 German).
std::string fileProblemsHeading(int language);
// One problem, e.g. "ADVANCE is cut short …" or "CLUTCH holds 2600, which does not fit; read
// as 40".
std::string fileProblemText(const FileProblem& problem, int language);
// The heading and the first problems on one line, for the status bar ("" when there are none).
std::string fileProblemsLine(const std::vector<FileProblem>& problems, int language);

} // namespace vortan
