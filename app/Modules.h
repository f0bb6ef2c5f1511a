#pragma once
// The program's modules, loaded when first needed so that a start loads neither Qt Charts
// nor Qt Print Support:
//   vortan2charts  the curves panel and the plot of a run (Qt Charts);
//   vortan2print   the printer and its dialog (Qt Print Support).

#include <QFunctionPointer>

namespace vortan {

inline constexpr const char* kChartModule = "vortan2charts";
inline constexpr const char* kPrintModule = "vortan2print";

// The entry point `name` of `module`; null when the module or the name is not found (a
// warning says so once per module).
QFunctionPointer moduleEntry(const char* module, const char* name);

} // namespace vortan
