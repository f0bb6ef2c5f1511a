#include "settings/RestoreTexts.h"
#include "params/Triple.h"

namespace vortan {
namespace {

Triple restoreTriple(RestoreText t) {
    switch (t) {
    case RestoreText::DialogTitle:
        return {"Body obnovení", "Restore points", "Wiederherstellungspunkte"};
    case RestoreText::ColumnDate:
        return {"Datum", "Date", "Datum"};
    case RestoreText::ColumnTime:
        return {"Čas", "Time", "Zeit"};
    case RestoreText::ColumnUnit:
        return {"Jednotka", "Unit", "Zündbox"};
    case RestoreText::ColumnFile:
        return {"Soubor", "File", "Datei"};
    case RestoreText::ColumnDifferences:
        return {"Rozdílů", "Differences", "Unterschiede"};
    case RestoreText::Open:
        return {"&Otevřít", "&Open", "Ö&ffnen"};
    case RestoreText::Compare:
        return {"&Porovnat", "Co&mpare", "&Vergleichen"};
    case RestoreText::Close:
        return {"&Zavřít", "&Close", "&Schließen"};
    case RestoreText::NoFile:
        return {"(bez souboru)", "(no file)", "(keine Datei)"};
    case RestoreText::WriteFailed:
        return {"Bod obnovení nelze zapsat do %1", "Restore point could not be written to %1",
                "Wiederherstellungspunkt konnte nicht in %1 geschrieben werden"};
    }
    return {"", "", ""};
}

} // namespace

std::string restoreText(RestoreText t, int language) {
    return pick(restoreTriple(t), language);
}

} // namespace vortan
