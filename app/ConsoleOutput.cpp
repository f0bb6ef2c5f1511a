#include "app/ConsoleOutput.h"

namespace vortan {

void joinParentConsole() {} // a terminal's streams are the program's own

} // namespace vortan
