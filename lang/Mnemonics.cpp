#include "lang/Mnemonics.h"

namespace vortan {

QChar mnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i; // a literal ampersand
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

bool mnemonicClashes(const QString& caption, const QStringList& menuTitles) {
    const QChar letter = mnemonicOf(caption);
    if (letter.isNull())
        return false;
    for (const QString& title : menuTitles)
        if (mnemonicOf(title) == letter)
            return true;
    return false;
}

} // namespace vortan
