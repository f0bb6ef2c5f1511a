#pragma once
// The commands that change the set on screen: a field committed, a check box clicked, the
// map's plus and minus (Tools › Advance), the shift buttons of the map's columns, the throttle
// calibration, the servo steps, the motorbike type, and Edit › Undo and Redo. Each is one edit
// of the session, followed by the change handler.

#include "params/Edits.h"

namespace vortan {

class ParamSpinBox;
class SetStatusView;
class WindowPages;
struct WindowContext;

class EditCommands {
public:
    EditCommands(WindowContext& context, SetStatusView& status, WindowPages& pages);

    // Arrow clicks on one field carry on one step of the history; typing is a step of its own.
    void commitField(ParamSpinBox* edit, bool stepped);
    // The typed values taken and the change handler run (a check box clicked).
    void commitControls();
    // Normalise, show, programming after change; the controls' lock after it.
    void changeHandler();
    // Advance - / +: the map cell in use, or every cell with "All", a degree down or up.
    void stepAdvance(int delta);
    // A column's shift buttons; `held`: a repeat while the button is held down, which carries
    // on the click before.
    void shiftColumn(int column, int delta, bool held);
    // The throttle calibration from the sensor voltage now.
    void setTps0();
    void setTps100();
    // Servo - / +: the servo voltage of the column in use, or of every column with "All", a
    // step down or up.
    void stepServo(int delta);
    // The motorbike type chosen: the defaults of the type.
    void chooseBike();
    void undo();
    void redo();

private:
    EditInputs editInputs() const;

    WindowContext& context_;
    SetStatusView& status_;
    WindowPages& pages_;
};

} // namespace vortan
