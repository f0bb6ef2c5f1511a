#pragma once
// The report of settings files that could not be written at close: which file, what it
// holds and why, in the language of the window.

#include "files/RegularFile.h"

#include <QString>
#include <vector>

namespace vortan {

struct FailedWrite {
    QString path;
    bool lastImage = false; // _Vortan2.ini (the set on screen), else Vortan2.ini
    WriteError error;
};

// The heading and one line per file.
QString writeFailureReport(const std::vector<FailedWrite>& failed, int language);
// Why, in words: the reason, or the system's own words where no reason of ours fits.
QString writeFailureReason(const WriteError& error, int language);

} // namespace vortan
