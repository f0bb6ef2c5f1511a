#pragma once
// What the window asks of the print module (vortan2print, app/Modules.h): print on the default
// printer, or on one the tuner picks in the print dialog, whose tab of options offers the tune
// sheet instead of the window's picture. The window draws; the module owns the printer.

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace vortan {

struct PrintJob {
    QWidget* parent = nullptr;
    QString optionsTitle; // the dialog's tab of options
    QString sheetChoice;  // its check box
    std::function<void(QPagedPaintDevice&)> printPicture;
    std::function<void(QPagedPaintDevice&)> printTuneSheet;
};

enum class PrintOutcome { Printed, NoPrinter, Cancelled };

using PrintOnDefault = PrintOutcome (*)(const PrintJob& job);
inline constexpr const char* kPrintOnDefault = "vortan2PrintOnDefault";
using PrintWithDialog = PrintOutcome (*)(const PrintJob& job);
inline constexpr const char* kPrintWithDialog = "vortan2PrintWithDialog";

} // namespace vortan
