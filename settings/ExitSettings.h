#pragma once
// Whether File › Exit asks to program the set on screen first when the unit holds another
// ("do not ask again"), kept in a section of its own (EXIT) of Vortan2.ini.

#include "settings/IniFile.h"

namespace vortan {

// True unless the section says not to ask.
bool readAskToProgram(const IniFile& ini);
// Writes the key; the caller saves the file.
void storeAskToProgram(IniFile& ini, bool ask);

} // namespace vortan
