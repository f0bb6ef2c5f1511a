#pragma once
// Keyboard mnemonics of captions: the letter after '&' that Alt opens or presses.

#include <QChar>
#include <QString>
#include <QStringList>

namespace vortan {

// The mnemonic letter of `caption`, lower-cased; a null QChar when it has none ("&&" is a
// literal ampersand).
QChar mnemonicOf(const QString& caption);

// True when the mnemonic of `caption` is also the mnemonic of one of `menuTitles`: the menu
// then takes Alt and the letter, and the caption keeps only its underlined letter.
bool mnemonicClashes(const QString& caption, const QStringList& menuTitles);

} // namespace vortan
