#include "settings/ExitSettings.h"

namespace vortan {

namespace {
const QString kSection = QStringLiteral("EXIT");
const QString kAskToProgram = QStringLiteral("AskToProgram");
} // namespace

bool readAskToProgram(const IniFile& ini) {
    return ini.readInteger(kSection, kAskToProgram, 1) != 0;
}

void storeAskToProgram(IniFile& ini, bool ask) {
    ini.writeInteger(kSection, kAskToProgram, ask ? 1 : 0);
}

} // namespace vortan
