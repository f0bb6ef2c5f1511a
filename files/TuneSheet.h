#pragma once
// The tune sheet: every parameter of the four pages, grouped as the window shows them, with
// the advance map and the servo table as tables, as one HTML document that the window renders
// into a vector PDF or on a printer.

#include "params/DeviceImage.h"
#include "params/ParamDiff.h"

#include <QLocale>
#include <string>

namespace vortan {

struct SheetHeading {
    std::string file;     // the parameter file's name; empty: none
    std::string dateTime; // when the sheet was made, as the locale writes it
    std::string unit;     // the unit's identification; empty: not known
    std::string notes;    // the tuner's notes; empty: a line left to write on
    std::string bikeName; // the motorbike type as the combo box names it
};

// The sheet of `image` in `language`; `caption` names the window's labels, check boxes,
// group boxes and tab pages as they read now.
std::string tuneSheetHtml(const DeviceImage& image, const SheetHeading& heading, int language,
                          const CaptionLookup& caption);

enum class Paper { A4, Letter };
// The paper of the sheet: Letter where the locale measures in the US units (the Americas'
// Letter countries), A4 everywhere else.
Paper sheetPaper(QLocale::MeasurementSystem system);

} // namespace vortan
