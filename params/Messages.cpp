#include "params/Messages.h"
#include "params/Triple.h"

namespace vortan {
namespace {

Triple messageTriple(Message m) {
    switch (m) {
    case Message::ReadStarted:
        return {"Čtení:", "Read device:", "Lesen:"};
    case Message::ProgramStarted:
        return {"Programování:", "Program device:", "Programmieren:"};
    case Message::VerifyStartedByUser:
        return {"Verifikace:", "Verify device:", "Vergleichen:"};
    case Message::VerifyStartedAuto:
        return {"Verifikace:", "Verify device:", "Verifikation:"};
    case Message::VerifyOk:
        return {"Verifikace OK", "Verify OK", "Vergleich OK"};
    case Message::ReadFailed:
        return {"Chyba čtení!", "Read error!", "Lesefehler"};
    case Message::VerifyFailed:
        return {"Chyba verifikace!", "Verify error!", "Vergleichsfehler"};
    case Message::ProgramFailed:
        return {"Chyba programování", "Program error!", "Programmier. Fehler"};
    case Message::IncompatibleUnit:
        return {"Neshodné verze proramu v PC a zapalování!",
                "Unmatched version of PC and Ignition programs!",
                "Uneinig Version von den PC and Zündung Programme!"};
    case Message::UnsupportedBike:
        return {"Toto zapalování není pro zvolený typ motocyklu!",
                "These Ignition is not for this type of motorbikes!",
                "Diese Zündung ist nicht for gestellte Motorrad!"};
    case Message::FileVersion:
        return {"Neshodná verze souboru *.ign!", "Unmatched version of *.ign file!",
                "Uneinig Version der Datendatei *.ign!"};
    case Message::PrintHeading:
        return {
            "Datum a čas tisku:  ", "Date and Time of printing:  ", "Date and Time of printing:  "};
    case Message::NoPrinter:
        return {"Není nainstalována žádná tiskárna.", "No printer is installed.",
                "Es ist kein Drucker installiert."};
    case Message::DiffBikeType:
        return {"Typ motocyklu", "Motorbike type", "Motorradtyp"};
    case Message::DiffMapSpeed:
        return {"Otáčky mapy předstihu, bod %1", "Advance map speed, point %1",
                "Drehzahl des Kennfelds, Punkt %1"};
    case Message::DiffServoSpeed:
        return {"Otáčky serva, bod %1", "Servo speed, point %1", "Servo-Drehzahl, Punkt %1"};
    case Message::DiffServoVoltage:
        return {"Napětí serva, bod %1", "Servo voltage, point %1", "Servospannung, Punkt %1"};
    case Message::DiffAdvance:
        return {"Předstih %1 / %2 rpm", "Advance %1 / %2 rpm", "Zündwinkel %1 / %2 rpm"};
    case Message::DiffByte:
        return {"Bajt %1", "Byte %1", "Byte %1"};
    case Message::DiffOn:
        return {"zapnuto", "on", "ein"};
    case Message::DiffOff:
        return {"vypnuto", "off", "aus"};
    case Message::OutOfRangeNote:
        return {"Uložená hodnota %1 je mimo rozsah pole (%2 až %3).",
                "The value held, %1, lies outside this field's range (%2 to %3).",
                "Der gespeicherte Wert %1 liegt außerhalb des Bereichs dieses Feldes (%2 bis %3)."};
    }
    return {"", "", ""};
}

Triple editTriple(EditName e) {
    switch (e) {
    case EditName::Field:
        return {"Změna hodnoty", "Value change", "Wertänderung"};
    case EditName::AdvanceMinus:
        return {"Předstih -", "Advance -", "Vorzündung -"};
    case EditName::AdvancePlus:
        return {"Předstih +", "Advance +", "Vorzündung +"};
    case EditName::ColumnDown:
        return {"Posun sloupce dolů", "Column shift down", "Spalte nach unten"};
    case EditName::ColumnUp:
        return {"Posun sloupce nahoru", "Column shift up", "Spalte nach oben"};
    case EditName::ServoMinus:
        return {"Napětí serva -", "Servo voltage -", "Servospannung -"};
    case EditName::ServoPlus:
        return {"Napětí serva +", "Servo voltage +", "Servospannung +"};
    case EditName::SetTps0:
        return {"Nastavení TPS 0 %", "Set TPS 0 %", "TPS 0 % setzen"};
    case EditName::SetTps100:
        return {"Nastavení TPS 100 %", "Set TPS 100 %", "TPS 100 % setzen"};
    case EditName::BikeType:
        return {"Typ motocyklu", "Motorbike type", "Motorradtyp"};
    case EditName::New:
        return {"Nový", "New", "Neu"};
    case EditName::OpenFile:
        return {"Otevřít soubor", "Open file", "Datei öffnen"};
    case EditName::Read:
        return {"Čtení ze zapalování", "Read from unit", "Lesen aus Zündbox"};
    case EditName::RestoreLast:
        return {"Obnovení posledních parametrů", "Last parameters restored",
                "Letzte Kenndaten wiederhergestellt"};
    case EditName::TakeUnit:
        return {"Hodnoty ze zapalování", "Unit's values taken", "Werte der Zündbox übernommen"};
    case EditName::TakeFile:
        return {"Hodnoty ze souboru", "File's values taken", "Werte der Datei übernommen"};
    case EditName::MapRaise:
        return {"Zvýšení buněk mapy", "Map cells raised", "Kartenzellen erhöht"};
    case EditName::MapLower:
        return {"Snížení buněk mapy", "Map cells lowered", "Kartenzellen gesenkt"};
    case EditName::MapSet:
        return {"Nastavení buněk mapy", "Map cells set", "Kartenzellen gesetzt"};
    case EditName::MapScale:
        return {"Změna měřítka buněk mapy", "Map cells scaled", "Kartenzellen skaliert"};
    case EditName::MapInterpolate:
        return {"Interpolace mapy", "Map interpolated", "Karte interpoliert"};
    case EditName::MapSmooth:
        return {"Vyhlazení mapy", "Map smoothed", "Karte geglättet"};
    case EditName::MapPaste:
        return {"Vložení do mapy", "Paste into map", "In Karte eingefügt"};
    }
    return {"", "", ""};
}

} // namespace

std::string editNameText(EditName edit, int language) {
    return pick(editTriple(edit), language);
}

std::string undoItemText(bool redo, std::optional<EditName> edit, int language) {
    static const Triple undo = {"&Zpět", "&Undo", "&Rückgängig"};
    static const Triple again = {"Z&novu", "&Redo", "&Wiederholen"};
    static const Triple separator = {" ", " ", ": "};
    const std::string caption = pick(redo ? again : undo, language);
    if (!edit || caption.empty())
        return caption;
    return caption + pick(separator, language) + editNameText(*edit, language);
}

bool isFailure(Message m) {
    return m == Message::ReadFailed || m == Message::VerifyFailed || m == Message::ProgramFailed;
}

bool isStart(Message m) {
    return m == Message::ReadStarted || m == Message::ProgramStarted ||
           m == Message::VerifyStartedByUser || m == Message::VerifyStartedAuto;
}

std::string messageText(Message m, int language) {
    return pick(messageTriple(m), language);
}

} // namespace vortan
