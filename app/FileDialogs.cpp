#include "app/FileDialogs.h"

namespace {
const char* const kSaveFilter = "Ignition Parametrs(*.ign)";
// Each filter is shown without its last pattern list, which is the one the dialog matches:
// "All Files (*.*)" shows files without a dot too, as "*.*" does where it comes from.
const QStringList kOpenFilters = {"Ignition Parametrs(*.ign) (*.ign)", "All Files (*.*) (*)"};
} // namespace

std::unique_ptr<QFileDialog> vortan::makeOpenDialog(QWidget* parent, const QString& file) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    // Qt's own dialog: a native one may show the hidden pattern lists or ignore them.
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setDefaultSuffix("ign");
    dialog->setNameFilters(kOpenFilters);
    dialog->selectFile(file);
    return dialog;
}

std::unique_ptr<QFileDialog> vortan::makeSaveDialog(QWidget* parent, const QString& file) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix("ign");
    dialog->setNameFilter(kSaveFilter);
    dialog->selectFile(file);
    return dialog;
}
