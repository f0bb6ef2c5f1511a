#pragma once
// The main window's size between runs, in a section of the settings file of its own
// (WINDOW), so the window's existing keys and their order stay as they are.

#include "settings/IniFile.h"

#include <QRect>
#include <QSize>
#include <optional>

namespace vortan {

struct WindowSize {
    QSize size; // the size when not maximised
    bool maximized = false;
};

// Nothing when the section is missing or its size is not a positive one.
std::optional<WindowSize> readWindowSize(const IniFile& ini);
// Writes Width, Height and Maximized of section WINDOW and saves; false on failure.
bool writeWindowSize(IniFile& ini, const WindowSize& w);
// The same keys without saving.
void storeWindowSize(IniFile& ini, const WindowSize& w);
// The stored size made to fit the screen's free area `available`, never below `minimum`.
QSize fittedWindowSize(QSize stored, QSize minimum, QSize available);
// A window's frame `frame` made to fit the screen's free area `available`: no larger than it,
// moved no more than needed to lie wholly within it.
QRect fittedFrame(QRect frame, QRect available);

} // namespace vortan
