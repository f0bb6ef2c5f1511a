#pragma once
// The main window as the program, its tests and its benchmarks make and drive it. Everything
// else about the window goes through its controls and menu items (found by objectName) and
// the session it shows; the window's class stays the window's own business.

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

struct CommandLine;

namespace vortan {
class Session;
class SerialLink;

namespace mainwindow {

// A message box the window would show: its text and informative text.
using BoxHook = std::function<void(const QString& text, const QString& informative)>;

// The window made from the program's arguments (without the program name) or a parsed
// command line; not yet started.
std::unique_ptr<QMainWindow> make(const QStringList& arguments);
std::unique_ptr<QMainWindow> make(const CommandLine& commandLine);
// The start-up steps: settings read, port opened, the tick started.
void start(QMainWindow& window);
// One tick, as the timer gives it every 55 ms.
void tick(QMainWindow& window);
// The pages after the first built now, as once the tuner has opened each.
void buildAllPages(QMainWindow& window);
// This device instead of the configured port (the demo; tests with a pseudo-terminal).
void usePort(QMainWindow& window, const QString& device);
// The window's message boxes handed to `hook` instead of shown; an empty hook shows them.
void divertBoxes(QMainWindow& window, BoxHook hook);
// True once the shut-down steps have run (a close, or a signal during start-up).
bool closed(const QMainWindow& window);

Session& session(QMainWindow& window);
SerialLink& link(QMainWindow& window);

} // namespace mainwindow
} // namespace vortan
