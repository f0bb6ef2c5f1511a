#pragma once
// Printing and the tune sheet: the tool-bar button prints the window on the default printer,
// File › Print asks the print dialog first (which offers the tune sheet instead), File › Export
// tune sheet writes every parameter as a PDF. The printer and its dialog live in the print
// module, loaded with the first print.

#include "app/PrintJob.h"

#include <QString>

class QPagedPaintDevice;

namespace vortan {

class MessageView;
struct WindowContext;

class PrintCommands {
public:
    PrintCommands(WindowContext& context, MessageView& messages);

    // The tool-bar button: on the default printer.
    void printOnDefault();
    // File › Print: the print dialog first.
    void printWithDialog();
    // The window's picture on a chosen device (a printer or a PDF file): heading in the message
    // label, the window rendered to fit the page, the label and colour restored.
    void printPicture(QPagedPaintDevice& device);
    // File › Export tune sheet: the save dialog with a line for the notes.
    void exportSheet();
    // The tune sheet as a vector PDF with the notes given, or on a printer chosen in the print
    // dialog.
    bool exportTuneSheet(const QString& path, const QString& notes);
    void printTuneSheet(QPagedPaintDevice& device);

private:
    // The print module's entry of that name; null, and the tuner told, when it cannot load.
    QFunctionPointer printEntry(const char* name);
    // What the print module needs to print this window or its tune sheet.
    PrintJob printJob();
    // The sheet of the set on screen, as HTML.
    QString tuneSheet(const QString& notes);

    WindowContext& context_;
    MessageView& messages_;
};

} // namespace vortan
