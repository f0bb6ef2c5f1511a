#pragma once
// The window's settings files (settings/Settings.h keeps their form): the set and the window
// as the last run left them, read once at start-up; the set as the controls show it and the
// window as it stands, written when the window closes.

#include "settings/SettingsWriteReport.h"

#include <QString>
#include <vector>

namespace vortan {

class CloseFlow;
class IniFile;
class WindowPages;
struct FormSettings;
struct WindowContext;

class WindowSettings {
public:
    WindowSettings(WindowContext& context, IniFile& ini, WindowPages& pages, CloseFlow& close);

    // The set before the files are read: the defaults of the first motorbike type, on COM1.
    void startFromDefaults();
    // The window's place and size, the port, the language, the file, the page, the map view,
    // the close's question and the last set; the command line's language ("ENGLISH", "CESKY",
    // "DEUTSCH") before the stored one; the set normalised with them.
    void read(const QString& commandLineLanguage);
    // The set read from the controls and normalised, then both files written; the ones that
    // could not be.
    std::vector<FailedWrite> write();

private:
    FormSettings currentSettings() const;
    // The rules on the set with the language and port they may correct.
    void normaliseSet();

    WindowContext& context_;
    IniFile& ini_;
    WindowPages& pages_;
    CloseFlow& close_;
};

} // namespace vortan
