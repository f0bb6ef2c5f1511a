#include "app/EditCommands.h"

#include "app/ParamView.h"
#include "app/SetStatusView.h"
#include "app/WindowContext.h"
#include "app/WindowPages.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QComboBox>

namespace vortan {

EditCommands::EditCommands(WindowContext& context, SetStatusView& status, WindowPages& pages)
    : context_(context), status_(status), pages_(pages) {}

void EditCommands::commitField(ParamSpinBox* edit, bool stepped) {
    context_.session.commitField(context_.params.byteOf(edit), stepped);
}

void EditCommands::commitControls() {
    if (!context_.session.commitTyped())
        pages_.showImage(); // a box clicked without effect shows the set again
}

void EditCommands::changeHandler() {
    context_.session.changeHandler();
    status_.updateSetLock();
}

EditInputs EditCommands::editInputs() const {
    const Session& session = context_.session;
    const WindowControls& controls = context_.controls;
    EditInputs in;
    in.cursor = session.cursor();
    in.throttleMillivolts = session.throttleMillivolts();
    in.allCells = controls.checkIgnAll && controls.checkIgnAll->isChecked();
    in.allServo = controls.checkPrivAll && controls.checkPrivAll->isChecked();
    return in;
}

void EditCommands::stepAdvance(int delta) {
    context_.session.change(advanceEdit(delta, editInputs()));
}

void EditCommands::shiftColumn(int column, int delta, bool held) {
    context_.session.change(columnShiftEdit(column, delta, held));
}

// The calibration buttons take no typed value first: show overwrites it.
void EditCommands::setTps0() {
    Session& session = context_.session;
    session.change(tps0Edit(session.throttleMillivolts()), SetCommand::ChangeValues, false);
}

void EditCommands::setTps100() {
    Session& session = context_.session;
    session.change(tps100Edit(session.throttleMillivolts()), SetCommand::ChangeValues, false);
}

void EditCommands::stepServo(int delta) {
    context_.session.change(servoEdit(delta, editInputs()));
}

// The defaults of the type, shown; no normalise and no programming after change.
void EditCommands::chooseBike() {
    if (!context_.session.refuseWhileLocked(SetCommand::ChangeValues))
        context_.session.apply(bikeEdit(context_.controls.comboBox1->currentIndex()));
    pages_.showImage(); // refused: the list shows the set's type again
}

void EditCommands::undo() {
    context_.session.undo();
}

void EditCommands::redo() {
    context_.session.redo();
}

} // namespace vortan
