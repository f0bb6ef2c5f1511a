#pragma once
// The difference report of the set on screen against the unit's set as last seen and the
// file's set: made when first needed, brought up to date while it is open, its "Take ...
// values" applied to the session and its "Program" run as Device › Program.

#include <functional>

namespace vortan {

class DiffReport;
struct WindowContext;

class DiffReportView {
public:
    DiffReportView(WindowContext& context, std::function<void()> program);

    // Opened (made when first needed) and brought up to date.
    void show();
    // Brings an open report up to date; cheap when nothing changed.
    void refresh();

private:
    WindowContext& context_;
    std::function<void()> program_;
    DiffReport* report_ = nullptr; // a child of the window
};

} // namespace vortan
