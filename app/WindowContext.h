#pragma once
// What the main window's views and commands share: the window (the parent of their dialogs,
// its status bar), the session it shows and its link, the views of the set and the monitor,
// the controls they touch, and the message boxes (which tests may answer instead).

#include "app/MainWindow.h"
#include "app/WindowControls.h"
#include "params/ParamDiff.h"

#include <QString>
#include <string>

class QMainWindow;

namespace vortan {

class MonitorView;
class ParamView;
class SerialLink;
class Session;

struct WindowContext {
    QMainWindow& window;
    Session& session;
    SerialLink& link;
    ParamView& params;
    MonitorView& monitor;
    WindowControls controls;
    // Tests answer the message boxes here instead of their being shown; empty: shown.
    mainwindow::BoxHook boxHook;

    // A message box with the program's title, or the hook.
    void showBox(const QString& text, const QString& informative = {}) const;
    // The caption a label, button, group box or tab page shows now, without its '&'.
    std::string captionOf(const char* textId) const;
    // captionOf as the core's lookups take it.
    CaptionLookup captions() const;
    int language() const;
};

} // namespace vortan
