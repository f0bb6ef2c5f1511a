#pragma once
// The Help menu of the main window: the manual of the window's language and the about box.

namespace vortan {

struct WindowContext;

// Help › About.
void showAbout(const WindowContext& context);
// Help › Contents: the manual of the language shown, opened by the desktop; a box says where it
// is (or was looked for) when it is missing or nothing opens it.
void openManual(const WindowContext& context);

} // namespace vortan
