#pragma once
// The builders of the main window's controls, each with its objectName in its place: what a
// tuner sees at start (tool row, the first page, the live panel, the message row, the status
// bar, the menus), and the contents of the other pages, built when a page is first needed.

#include <functional>

class QMainWindow;
class QStatusBar;
class QWidget;

namespace vortan {

// The pages of PageControl1, in tab order.
enum PageIndex { kMiscPage = 0, kMapPage = 1, kN2oPage = 2, kServoPage = 3, kPageCount = 4 };
inline constexpr const char* kPageNames[kPageCount] = {"TabSheet1", "TabSheet2", "TabSheet3",
                                                       "TabSheet4"};

// Everything but the menus; the pages after the first are left empty.
void buildFormControls(QMainWindow& window);
// Fills the empty page `page` of tab `index` (kMapPage, kN2oPage or kServoPage).
void buildPageContents(int index, QWidget* page);
// What the menu items run, named after what they do; an empty one runs nothing.
struct MenuCommands {
    using Command = std::function<void()>;
    // File
    Command newSet, open, compareFile, restorePoints, replayLog, save, print, exportSheet, exit;
    // Edit
    Command undo, redo;
    // Com: the port number 1..10; its settings
    std::function<void(int port)> port;
    Command portSettings;
    // Device
    Command read, verify, program, compareUnit, recordLog;
    // Tools
    Command advanceMinus, advancePlus;
    // Language: 0 Czech, 1 English, 2 German
    std::function<void(int language)> language;
    // Help
    Command contents, about;
};

// The status bar's fields of the set, after the port's and the recording's: why the set is
// held (hidden while it is free) and the counts of the changes.
void addSetStatusLabels(QStatusBar& bar);
// The menu bar with every item; the items run `commands`, none when it is null.
void buildMenuBar(QMainWindow& window, const MenuCommands* commands);

} // namespace vortan
