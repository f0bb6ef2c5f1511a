#include "app/FileCommands.h"

#include "app/DiffReportView.h"
#include "app/FileDialogs.h"
#include "app/RestorePointsDialog.h"
#include "app/WindowContext.h"
#include "session/Session.h"
#include "settings/RestorePoints.h"

#include <QFileDialog>
#include <QMainWindow>

namespace vortan {

FileCommands::FileCommands(WindowContext& context, DiffReportView& report)
    : context_(context), report_(report) {}

void FileCommands::newSet() {
    context_.session.newSet();
}

void FileCommands::save() {
    const auto dialog = makeSaveDialog(&context_.window, context_.session.lastFilePath());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    saveFile(dialog->selectedFiles().front());
}

bool FileCommands::saveFile(const QString& path) {
    return context_.session.saveFile(path);
}

void FileCommands::open() {
    if (context_.session.refuseWhileLocked(SetCommand::OpenSet))
        return;
    const auto dialog = makeOpenDialog(&context_.window, context_.session.lastFilePath());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    openFile(dialog->selectedFiles().front());
}

bool FileCommands::openFile(const QString& path) {
    return context_.session.openFile(path);
}

void FileCommands::restorePoints() {
    Session& session = context_.session;
    if (session.refuseWhileLocked(SetCommand::OpenSet))
        return;
    session.takeControls();
    RestorePointsDialog dialog(restorePointFolder(), session.image(), session.language(),
                               &context_.window);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return;
    if (dialog.compareChosen())
        compareWithFile(dialog.chosenPath());
    else // the set counts as saved to no file
        session.openRestorePoint(dialog.chosenPath(), dialog.chosenLabel());
}

void FileCommands::compareFile() {
    const auto dialog = makeOpenDialog(&context_.window, context_.session.lastFilePath());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    compareWithFile(dialog->selectedFiles().front());
}

bool FileCommands::compareWithFile(const QString& path) {
    if (!context_.session.compareWithFile(path))
        return false;
    report_.show();
    return true;
}

} // namespace vortan
