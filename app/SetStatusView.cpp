#include "app/SetStatusView.h"

#include "app/FindChild.h"
#include "app/ParamView.h"
#include "app/WindowContext.h"
#include "controls/ParamSpinBox.h"
#include "lang/Texts.h"
#include "link/SetLock.h"
#include "params/Messages.h"
#include "params/ParamDiff.h"
#include "session/Session.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>

namespace vortan {

namespace {

// The buttons, the motorbike list and the menu items that change the set, beside its fields and
// boxes: held while an operation runs on the unit. (Undo and redo follow updateEditMenu.)
const char* const kSetButtons[] = {
    "SpeedButton6", "SpeedButton5",     "BitBtnAdvMinus",       "BitBtnAdvPlus",   "BitBtnTps0",
    "BitBtnTps100", "BitBtnServoMinus", "BitBtnServoPlus",      "ButtonMapLower",  "ButtonMapRaise",
    "ButtonMapSet", "ButtonMapScale",   "ButtonMapInterpolate", "ButtonMapSmooth", "ComboBox1"};
const char* const kSetActions[] = {"MenuNew", "MenuOpen", "MenuRestorePoints", "AdvanceMinus",
                                   "AdvancePlus"};

} // namespace

SetStatusView::SetStatusView(WindowContext& context) : context_(context) {}

void SetStatusView::updateChangeCounts(bool force) {
    const Session& session = context_.session;
    const DeviceImage& image = session.image();
    const std::optional<DeviceImage>& unit = session.operations().unitSeen;
    CountedSets sets{image, unit, session.fileSet()};
    if (!force && counted_ == sets)
        return;
    auto count = [&image](const std::optional<DeviceImage>& other) -> std::optional<int> {
        if (!other)
            return std::nullopt;
        return countDifferences(image, *other);
    };
    context_.controls.labelUnsaved->setText(QString::fromStdString(
        changeCountsText(count(unit), count(session.fileSet()), session.language())));
    context_.params.markDifferences(image, unit);
    counted_ = std::move(sets);
}

void SetStatusView::updateSetLock(bool force) {
    const std::optional<OperationText> reason = context_.session.lockReason();
    if (reason == lockApplied_ && !force)
        return;
    lockApplied_ = reason;
    const bool locked = reason.has_value();
    // Read-only, not disabled: the values stay readable while the unit is worked on.
    for (ParamSpinBox* edit : context_.params.allEdits())
        edit->setReadOnly(locked);
    for (QCheckBox* box : context_.params.flagBoxes())
        box->setEnabled(!locked);
    context_.controls.checkProgHned->setEnabled(!locked);
    // A page not built yet has none of its buttons: it takes the lock when it is built.
    const QMainWindow& window = context_.window;
    for (const char* name : kSetButtons)
        if (auto* w = window.findChild<QWidget*>(name))
            w->setEnabled(!locked);
    for (int c = 1; c <= 10; ++c)
        if (auto* w = window.findChild<QWidget*>(QString("CSpinButton%1").arg(c)))
            w->setEnabled(!locked);
    for (const char* name : kSetActions)
        requiredChild<QAction>(&window, name)->setEnabled(!locked);
    updateEditMenu();
    QLabel* label = context_.controls.labelLocked;
    label->setText(locked ? QString::fromStdString(operationText(*reason, context_.language()))
                          : QString());
    label->setVisible(locked);
}

void SetStatusView::updateEditMenu() {
    const Session& session = context_.session;
    const std::optional<EditName> undo = session.editor().undoName();
    const std::optional<EditName> redo = session.editor().redoName();
    const int language = session.language();
    QAction* menuUndo = context_.controls.menuUndo;
    QAction* menuRedo = context_.controls.menuRedo;
    menuUndo->setText(QString::fromStdString(undoItemText(false, undo, language)));
    const bool held = lockedDuring(SetCommand::UndoRedo, session.operations().operation);
    menuUndo->setEnabled(undo.has_value() && !held);
    menuRedo->setText(QString::fromStdString(undoItemText(true, redo, language)));
    menuRedo->setEnabled(redo.has_value() && !held);
}

void SetStatusView::languageChanged() {
    updateEditMenu();
    updateChangeCounts(true);
    if (lockApplied_)
        context_.controls.labelLocked->setText(
            QString::fromStdString(operationText(*lockApplied_, context_.language())));
}

} // namespace vortan
