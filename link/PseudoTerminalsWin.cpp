#include "link/PortCatalogue.h"

// Windows has no pseudo-terminals: the simulated unit of the demo serves a line inside the
// program instead (InProcessLine).

namespace vortan {

QStringList freePseudoTerminals(const QString&, const QString&) {
    return {};
}

} // namespace vortan
