#pragma once
// The command line's output. On Windows the program is built for a window and has no console
// of its own: started from one, its standard output and error are joined to that console,
// unless they already go somewhere (a file or a pipe). Elsewhere nothing needs doing.

namespace vortan {

void joinParentConsole();

} // namespace vortan
