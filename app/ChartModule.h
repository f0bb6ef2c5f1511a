#pragma once
// The chart module (vortan2charts): the curves panel and the plot of a run, everything that
// needs Qt Charts. Loaded when one of them is first wanted, so a start without them never
// loads Qt Charts.

#include <QFunctionPointer>

namespace vortan {

// The module's entry point `name`; null when the module or the name is not found (a
// warning says so once).
QFunctionPointer chartModuleEntry(const char* name);

} // namespace vortan
