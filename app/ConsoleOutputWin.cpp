#include "app/ConsoleOutput.h"

#include <cstdio>

#include <windows.h>

namespace vortan {

namespace {
// A stream with no file or pipe behind it (a window program started from a console).
bool unconnected(DWORD which) {
    const HANDLE h = GetStdHandle(which);
    return h == nullptr || h == INVALID_HANDLE_VALUE || GetFileType(h) == FILE_TYPE_UNKNOWN;
}
} // namespace

void joinParentConsole() {
    const bool out = unconnected(STD_OUTPUT_HANDLE);
    const bool err = unconnected(STD_ERROR_HANDLE);
    if (!out && !err)
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return; // started without a console: nothing to show it in
    if (out && std::freopen("CONOUT$", "w", stdout) == nullptr)
        return;
    if (err)
        std::freopen("CONOUT$", "w", stderr);
}

} // namespace vortan
