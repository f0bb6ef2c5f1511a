#pragma once
// The device operations of the main window: Read, Verify, Program and Compare with unit, from
// the Device menu, the tool row and the difference report. The set's controls are held at once.

namespace vortan {

class SetStatusView;
struct WindowContext;

class UnitCommands {
public:
    UnitCommands(WindowContext& context, SetStatusView& status);

    void read();
    void verify();
    void program();
    // Reads the unit's set, then the report; the screen stays.
    void compareUnit();

private:
    WindowContext& context_;
    SetStatusView& status_;
};

} // namespace vortan
