#pragma once
// SIGTERM (a logout) and SIGINT (Ctrl+C in a terminal), delivered on the event loop.

#include <functional>

class QObject;

namespace vortan {

// Installs handlers of SIGTERM and SIGINT that only write a byte to a socket pair; a notifier,
// a child of `owner`, reads it on the event loop and calls `onSignal`. Once per process: while
// the pair exists a later call does nothing, and so does a call when no pair can be made; both
// return false. Once `owner` is gone, a signal is read by no one and does nothing.
bool installSignalHandlers(QObject* owner, std::function<void()> onSignal);

} // namespace vortan
