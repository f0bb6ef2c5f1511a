#pragma once
// The application-wide settings the program starts with: name, version, style.

// Sets them on the running QApplication. No display name is set: on X11 Qt would append it
// to every window title, and the window's caption is its title exactly.
void configureApplication();
