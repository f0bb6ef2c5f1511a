#include "params/RangeTexts.h"
#include "params/Triple.h"

namespace vortan {
namespace {

Triple rangeTriple(RangeText t) {
    switch (t) {
    case RangeText::ProgramQuestion:
        return {"Tyto hodnoty leží mimo své rozsahy. Přesto je naprogramovat do jednotky?",
                "These values lie outside their ranges. Program them into the unit anyway?",
                "Diese Werte liegen außerhalb ihrer Bereiche. Trotzdem in die Zündbox "
                "programmieren?"};
    case RangeText::ProgramAnyway:
        return {"Přesto programovat", "Program anyway", "Trotzdem programmieren"};
    case RangeText::Cancel:
        return {"Zrušit", "Cancel", "Abbrechen"};
    case RangeText::OutOfRangeLine:
        return {"%1: %2, rozsah %3", "%1: %2, range %3", "%1: %2, Bereich %3"};
    case RangeText::ReadCorrected:
        return {"Některé hodnoty přečtené z jednotky porušují pravidla a byly opraveny, proto se "
                "jednotka a obrazovka liší:",
                "Some values read from the unit break the rules and were corrected, so the unit "
                "and the screen differ:",
                "Einige aus der Zündbox gelesene Werte verletzen die Regeln und wurden korrigiert, "
                "daher weichen Zündbox und Bildschirm voneinander ab:"};
    case RangeText::CorrectedBelow:
        return {"jednotka obsahuje %1 = %2, méně než %3; zobrazeno jako %4",
                "the unit holds %1 = %2, below %3; shown as %4",
                "die Zündbox enthält %1 = %2, kleiner als %3; angezeigt als %4"};
    case RangeText::CorrectedAbove:
        return {"jednotka obsahuje %1 = %2, více než %3; zobrazeno jako %4",
                "the unit holds %1 = %2, above %3; shown as %4",
                "die Zündbox enthält %1 = %2, größer als %3; angezeigt als %4"};
    case RangeText::CorrectedNotAbove:
        return {"jednotka obsahuje %1 = %2, ne více než %3; zobrazeno jako %4",
                "the unit holds %1 = %2, not above %3; shown as %4",
                "die Zündbox enthält %1 = %2, nicht größer als %3; angezeigt als %4"};
    case RangeText::FileCorrected:
        return {"Některé hodnoty souboru porušují pravidla a byly opraveny:",
                "Some values of the file break the rules and were corrected:",
                "Einige Werte der Datei verletzen die Regeln und wurden korrigiert:"};
    case RangeText::FileCorrectedBelow:
        return {"soubor obsahuje %1 = %2, méně než %3; použito %4",
                "the file holds %1 = %2, below %3; used as %4",
                "die Datei enthält %1 = %2, kleiner als %3; verwendet als %4"};
    case RangeText::FileCorrectedAbove:
        return {"soubor obsahuje %1 = %2, více než %3; použito %4",
                "the file holds %1 = %2, above %3; used as %4",
                "die Datei enthält %1 = %2, größer als %3; verwendet als %4"};
    case RangeText::FileCorrectedNotAbove:
        return {"soubor obsahuje %1 = %2, ne více než %3; použito %4",
                "the file holds %1 = %2, not above %3; used as %4",
                "die Datei enthält %1 = %2, nicht größer als %3; verwendet als %4"};
    case RangeText::TypedRefused:
        return {"%1: %2 je mimo rozsah %3..%4; ponechána hodnota %5",
                "%1: %2 is outside %3..%4; kept %5",
                "%1: %2 liegt außerhalb von %3..%4; %5 beibehalten"};
    case RangeText::SheetMark:
        return {" (!)", " (!)", " (!)"};
    case RangeText::SheetLegend:
        return {"(!) hodnota mimo rozsah svého pole", "(!) value outside its field's range",
                "(!) Wert außerhalb des Bereichs seines Feldes"};
    }
    return {"", "", ""};
}

} // namespace

std::string rangeText(RangeText t, int language) {
    return pick(rangeTriple(t), language);
}

} // namespace vortan
