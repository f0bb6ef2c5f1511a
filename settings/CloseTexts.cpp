#include "settings/CloseTexts.h"
#include "params/Triple.h"

namespace vortan {

namespace {

Triple closeTriple(CloseText t) {
    switch (t) {
    case CloseText::ProgramRunning:
        return {"Probíhá programování zapalování. Zavřením programu teď může zůstat zapalování "
                "naprogramované jen zčásti.",
                "The unit is being programmed. If the program closes now, the unit may be left "
                "half programmed.",
                "Die Zündung wird gerade programmiert. Wird das Programm jetzt beendet, kann die "
                "Zündung halb programmiert bleiben."};
    case CloseText::OperationRunning:
        return {"Probíhá operace se zapalováním (čtení, verifikace nebo porovnání). Zavřením "
                "programu teď zůstane nedokončená.",
                "An operation with the unit is running (read, verify or compare). If the program "
                "closes now, it is left unfinished.",
                "Ein Vorgang mit der Zündung läuft (Lesen, Vergleichen). Wird das Programm jetzt "
                "beendet, bleibt er unvollendet."};
    case CloseText::WaitForEnd:
        return {"Počkat na konec", "Wait for the end", "Auf das Ende warten"};
    case CloseText::CloseAnyway:
        return {"Přesto zavřít", "Close anyway", "Trotzdem beenden"};
    case CloseText::ProgramFirst:
        return {"Nastavení na obrazovce se liší od nastavení v zapalování (počet rozdílných "
                "parametrů: %1). Naprogramovat je do zapalování před zavřením?",
                "The set on screen differs from the one the unit holds (parameters that differ: "
                "%1). Program it into the unit before closing?",
                "Die Einstellung auf dem Bildschirm weicht von der in der Zündung ab "
                "(abweichende Parameter: %1). Vor dem Beenden in die Zündung programmieren?"};
    case CloseText::ProgramButton:
        return {"Programovat", "Program", "Programmieren"};
    case CloseText::CloseButton:
        return {"Zavřít", "Close", "Beenden"};
    case CloseText::CancelButton:
        return {"Zrušit", "Cancel", "Abbrechen"};
    case CloseText::DoNotAskAgain:
        return {"Příště se neptat", "Do not ask again", "Nicht mehr fragen"};
    case CloseText::ProgramFailed:
        return {"Programování před zavřením neskončilo hlášením „%1“: zapalování nemusí mít "
                "nastavení z obrazovky. Program zůstává otevřený.",
                "Programming before closing did not end in \"%1\": the unit may not hold the set "
                "on screen. The program stays open.",
                "Das Programmieren vor dem Beenden endete nicht mit „%1“: die Zündung hat die "
                "Einstellung vom Bildschirm womöglich nicht. Das Programm bleibt offen."};
    case CloseText::WriteFailed:
        return {"Nastavení nelze uložit:", "The settings could not be saved:",
                "Die Einstellungen können nicht gespeichert werden:"};
    case CloseText::WriteFailedFile:
        return {"%1 (%2): %3", "%1 (%2): %3", "%1 (%2): %3"};
    case CloseText::HoldsSettings:
        return {"okno, port, jazyk a poslední soubor", "window, port, language and last file",
                "Fenster, Port, Sprache und letzte Datei"};
    case CloseText::HoldsImage:
        return {"nastavení z obrazovky pro příští spuštění", "the set on screen for the next start",
                "die Einstellung vom Bildschirm für den nächsten Start"};
    case CloseText::WriteFailedClose:
        return {"Pokud se program přesto zavře, co nebylo zapsáno, se ztratí.",
                "If the program closes anyway, what was not written is lost.",
                "Wird das Programm trotzdem beendet, geht verloren, was nicht geschrieben wurde."};
    case CloseText::NoPermission:
        return {"chybí oprávnění k zápisu souboru nebo jeho složky",
                "no permission to write the file or its folder",
                "keine Berechtigung, die Datei oder ihren Ordner zu schreiben"};
    case CloseText::ReadOnly:
        return {"systém souborů je jen pro čtení", "the file system is read-only",
                "das Dateisystem ist schreibgeschützt"};
    case CloseText::NoSpace:
        return {"disk je plný nebo je dosažen limit velikosti souboru",
                "the disk is full or the file size limit is reached",
                "der Datenträger ist voll oder die Größengrenze für Dateien ist erreicht"};
    case CloseText::NoFolder:
        return {"jeho složka chybí a nelze ji vytvořit", "its folder is missing and cannot be made",
                "sein Ordner fehlt und kann nicht angelegt werden"};
    case CloseText::NotRegularFile:
        return {"na jeho místě je něco jiného než obyčejný soubor",
                "something other than a regular file is in its place",
                "an seiner Stelle steht etwas anderes als eine normale Datei"};
    case CloseText::OtherFailure:
        return {"chyba systému: %1", "system error: %1", "Systemfehler: %1"};
    }
    return {"", "", ""};
}

} // namespace

std::string closeText(CloseText t, int language) {
    return pick(closeTriple(t), language);
}

} // namespace vortan
