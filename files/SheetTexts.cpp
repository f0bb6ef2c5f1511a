#include "files/SheetTexts.h"
#include "params/Triple.h"

namespace vortan {
namespace {

Triple sheetTriple(SheetText t) {
    switch (t) {
    case SheetText::Title:
        return {"List nastavení zapalování Vortan 2", "Vortan 2 tune sheet",
                "Vortan 2 Abstimmblatt"};
    case SheetText::File:
        return {"Soubor", "File", "Datei"};
    case SheetText::NoFile:
        return {"(bez souboru)", "(no file)", "(keine Datei)"};
    case SheetText::Date:
        return {"Datum a čas", "Date and time", "Datum und Zeit"};
    case SheetText::Unit:
        return {"Jednotka", "Unit", "Zündbox"};
    case SheetText::Notes:
        return {"Poznámky", "Notes", "Notizen"};
    case SheetText::NotesPrompt:
        return {"Poznámky na list:", "Notes for the sheet:", "Notizen für das Blatt:"};
    case SheetText::SaveTitle:
        return {"Export listu nastavení (PDF)", "Export tune sheet (PDF)",
                "Abstimmblatt exportieren (PDF)"};
    case SheetText::PdfFilter:
        return {"Dokument PDF (*.pdf)", "PDF document (*.pdf)", "PDF-Dokument (*.pdf)"};
    case SheetText::InputsTitle:
        return {"Polarita vstupů", "Input polarities", "Polarität der Eingänge"};
    case SheetText::MapTitle:
        return {"Mapa předstihu [°]", "Advance map [°]", "Vorzündung Karte [°]"};
    case SheetText::ServoTitle:
        return {"Tabulka serva", "Servo table", "Servotabelle"};
    case SheetText::PrintChoice:
        return {"Tisknout list nastavení místo obrazu okna",
                "Print the tune sheet instead of the window's picture",
                "Abstimmblatt statt des Fensterbilds drucken"};
    case SheetText::WriteFailed:
        return {"List nastavení nelze zapsat do %1", "The tune sheet could not be written to %1",
                "Das Abstimmblatt konnte nicht in %1 geschrieben werden"};
    case SheetText::PrintUnavailable:
        return {"Tisk není k dispozici: chybí modul vortan2print.",
                "Printing is not available: the module vortan2print is missing.",
                "Drucken ist nicht möglich: das Modul vortan2print fehlt."};
    }
    return {"", "", ""};
}

} // namespace

std::string sheetText(SheetText t, int language) {
    return pick(sheetTriple(t), language);
}

} // namespace vortan
