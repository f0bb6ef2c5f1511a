// The parameter-file commands of the main window: Save and Open, each with its dialog and with
// the chosen path.

#include "app/FileDialogs.h"
#include "app/Hlav.h"
#include "app/RestorePointsDialog.h"
#include "files/ParamFile.h"
#include "files/RegularFile.h"
#include "lang/Texts.h"
#include "params/ParamDiff.h"
#include "settings/RestorePoints.h"

#include <QFileDialog>

using namespace vortan;

void TFormHlav::MenuSaveClick() {
    const auto dialog = makeSaveDialog(this, session_->lastFilePath());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    saveParamFile(dialog->selectedFiles().front());
}

bool TFormHlav::saveParamFile(const QString& path) {
    return session_->saveFile(path);
}

void TFormHlav::MenuOpenClick() {
    if (refuseWhileLocked(SetCommand::OpenSet))
        return;
    const auto dialog = makeOpenDialog(this, session_->lastFilePath());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    openParamFile(dialog->selectedFiles().front());
}

bool TFormHlav::openParamFile(const QString& path) {
    return session_->openFile(path);
}

bool TFormHlav::openRestorePoint(const QString& path, const QString& label) {
    return session_->openRestorePoint(path, label);
}

void TFormHlav::MenuRestorePointsClick() {
    if (refuseWhileLocked(SetCommand::OpenSet))
        return;
    session_->takeControls();
    RestorePointsDialog dialog(restorePointFolder(), session_->image(), session_->language(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return;
    if (dialog.compareChosen())
        compareWithFile(dialog.chosenPath());
    else
        openRestorePoint(dialog.chosenPath(), dialog.chosenLabel());
}

void TFormHlav::MenuCompareFileClick() {
    const auto dialog = makeOpenDialog(this, session_->lastFilePath());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    compareWithFile(dialog->selectedFiles().front());
}

// The report with that file's set beside the screen's, which stays.
bool TFormHlav::compareWithFile(const QString& path) {
    if (!session_->compareWithFile(path))
        return false;
    showDiffReport();
    return true;
}
