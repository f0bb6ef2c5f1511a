#include "lang/CliTexts.h"
#include "params/Triple.h"

namespace vortan {

namespace {

Triple cliTriple(CliText t) {
    switch (t) {
    case CliText::WaitingFirst:
        return {"Čekám na jednotku na %1 (Ctrl+C končí)", "Waiting for a unit on %1 (Ctrl+C ends)",
                "Warte auf eine Zündbox an %1 (Strg+C beendet)"};
    case CliText::WaitingNext:
        return {"Jednotka odpojena; čekám na další na %1 (Ctrl+C končí)",
                "Unit disconnected; waiting for the next one on %1 (Ctrl+C ends)",
                "Zündbox getrennt; warte auf die nächste an %1 (Strg+C beendet)"};
    case CliText::Differences:
        return {"Počet rozdílných parametrů: %1", "Parameters that differ: %1",
                "Abweichende Parameter: %1"};
    case CliText::Interrupted:
        return {"Přerušeno", "Interrupted", "Abgebrochen"};
    case CliText::OutOfRange:
        return {"Soubor obsahuje hodnoty mimo jejich rozsahy; nic nebylo naprogramováno "
                "(--anyway je přesto naprogramuje):",
                "The file holds values outside their ranges; nothing was programmed "
                "(--anyway programs them all the same):",
                "Die Datei enthält Werte außerhalb ihrer Bereiche; nichts wurde programmiert "
                "(--anyway programmiert sie trotzdem):"};
    case CliText::FileDamaged:
        return {"Soubor je neúplný nebo poškozený; nic nebylo naprogramováno (--anyway ho "
                "přesto naprogramuje, jak byl načten).",
                "The file is incomplete or damaged; nothing was programmed (--anyway programs "
                "it as it was read all the same).",
                "Die Datei ist unvollständig oder beschädigt; nichts wurde programmiert (--anyway "
                "programmiert sie trotzdem so, wie sie gelesen wurde)."};
    }
    return {"", "", ""};
}

} // namespace

std::string cliText(CliText t, int language) {
    return pick(cliTriple(t), language);
}

} // namespace vortan
