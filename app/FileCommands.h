#pragma once
// The parameter-file commands of the main window: New, Open, Save, Compare with file and the
// restore points, each with its dialog, and Open, Save and Compare with a path chosen.

#include <QString>

namespace vortan {

class DiffReportView;
struct WindowContext;

class FileCommands {
public:
    FileCommands(WindowContext& context, DiffReportView& report);

    // File › New: the defaults.
    void newSet();
    void open();
    bool openFile(const QString& path);
    void save();
    bool saveFile(const QString& path);
    // The restore points; the one chosen is opened as a parameter file, or compared with.
    void restorePoints();
    // File › Compare with file: the report with that file's set beside the screen's, which
    // stays as it is.
    void compareFile();
    bool compareWithFile(const QString& path);

private:
    WindowContext& context_;
    DiffReportView& report_;
};

} // namespace vortan
