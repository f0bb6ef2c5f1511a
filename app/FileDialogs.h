#pragma once
// The open and save dialogs of the parameter-file commands, starting at `file`.

#include <QFileDialog>

#include <memory>

namespace vortan {

// Filters "Ignition Parametrs(*.ign)" and "All Files (*.*)"; the second shows every file,
// those without a dot in their name too.
std::unique_ptr<QFileDialog> makeOpenDialog(QWidget* parent, const QString& file);
// Filter "Ignition Parametrs(*.ign)", default suffix "ign".
std::unique_ptr<QFileDialog> makeSaveDialog(QWidget* parent, const QString& file);

} // namespace vortan
