#pragma once
// Where the help command finds the manual of a language.

#include <QString>
#include <QStringList>

namespace vortan {

// The folders searched, in their order: share/vortan2/doc beside the program's bin/ (the
// installed program), doc/ beside the program, doc/ of the source tree (a build folder).
QStringList manualFolders();
// Absolute path of `fileName` in the first of `folders` that holds it; empty when none does.
QString findManual(const QString& fileName, const QStringList& folders = manualFolders());
// The manual of `language`: its word-processor document where one is installed, else the
// HTML manual; empty when neither is found.
QString manualFor(int language, const QStringList& folders = manualFolders());

} // namespace vortan
