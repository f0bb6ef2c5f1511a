#include "lang/Texts.h"

#include "Version.h"
#include "lang/Triple.h"

#include <algorithm>
#include <array>

namespace vortan {
namespace {

constexpr TextProperty C = TextProperty::Caption;
constexpr TextProperty H = TextProperty::Hint;

// Rows are written English, Czech, German, the order in which the texts were first drafted.
UiText row(const char* name, TextProperty p, const char* en, const char* cz, const char* de) {
    return UiText{name, p, cz, en, de};
}

std::vector<UiText> buildUiTexts() {
    std::vector<UiText> t = {
        row("FormHlav", C, "Programming of Vortan 2 unit", "Programování jednotky Vortan 2",
            "Programmierung der Vortan 2 Zündbox"),
        row("MenuFile", C, "&File", "&Soubor", "&Datei"),
        row("MenuNew", C, "&New", "&Nový", "&Neu"),
        row("MenuOpen", C, "&Open", "&Otevřít", "&Öffnen"),
        row("MenuRestorePoints", C, "&Restore points...", "Bo&dy obnovení...",
            "&Wiederherstellungspunkte..."),
        row("MenuRestorePoints", H,
            "Restore points|Sets programmed into the unit and verified, newest first",
            "Body obnovení|Sady naprogramované do jednotky a ověřené, nejnovější první",
            "Wiederherstellungspunkte|In die Zündbox programmierte und geprüfte Sätze, neueste "
            "zuerst"),
        row("MenuSave", C, "&Save", "&Uložit", "&Speichern"),
        row("MenuPrint", C, "&Print", "&Tisk", "&Drucken"),
        row("MenuExit", C, "E&xit", "&Konec", "&Beenden"),
        row("MenuEdit", C, "&Edit", "Úp&ravy", "&Bearbeiten"),
        row("MenuCom", C, "&Com", "&Port", "&ComPort"),
        row("MenuPortSettings", C, "Port &settings...", "&Nastavení portů...",
            "Port&einstellungen..."),
        row("MenuPortSettings", H, "Port settings|Choose the device of each port, find the unit",
            "Nastavení portů|Výběr zařízení pro každý port, hledání jednotky",
            "Porteinstellungen|Gerät für jeden Port wählen, die Zündbox suchen"),
        row("MenuDevice", C, "&Device", "&Zapalování", "&Zündbox"),
        row("MenuRead", C, "&Read", "Čí&st", "&Lesen"),
        row("MenuVerify", C, "&Verify", "&Verifikace", "&Vergleichen"),
        row("MenuProgram", C, "&Program", "&Programovat", "&Programmieren"),
        row("MenuLanguage", C, "&Language", "&Jazyk", "&Sprache"),
        row("MenuEnglish", C, "&English", "&Anglicky", "Englisch"),
        row("MenuCzech", C, "&Czech", "Če&sky", "&Tschechisch"),
        row("MenuGerman", C, "&German", "&Německy", "&Deutsch"),
        row("MenuHelp", C, "&Help", "&Nápověda", "&Hilfe"),
        row("MenuContens", C, "&Contents...", "&Obsah...", "&Inhalt..."),
        row("MenuAbout", C, "&About...", "&O programu...", "&Über Programm..."),
        row("TabSheet1", C, "Miscellaneous", "Různé", "Verschiedene"),
        row("TabSheet2", C, "Advance Map", "Mapa předstihu", "Vorzündung Karte"),
        row("TabSheet3", C, "N2O Controller", "N2O kontrolér", "N2O Kontroller"),
        row("TabSheet4", C, "Servo", "Servo", "Servo"),
        row("CheckBoxIgnAll", C, "All", "Vše", "Alles"),
        row("CheckBoxProgHned", C, "Programming after change", "Programování po změně",
            "Programmieren nach Änderung"),
        row("Button1", C, "&Read", "Čí&st", "&Lesen"),
        row("BitBtn1", C, "&Program", "&Programovat", "&Programmieren"),
        row("BitBtn2", C, "&Verify", "&Verifikovat", "&Vergleichen"),
        row("ComboBox1", H, "Motorbike Type", "Typ motocyklu", "Mottorad Type"),
        // The Czech set never had a caption here; "Ostatní" is the plain Czech for "Other".
        row("GroupBox1", C, "Other", "Ostatní", "Vorzündung"),
        row("GroupBox4", C, "Activation by Switch on", "Aktivace sepnutím",
            "Aktivation durch Schaltung"),
        row("LabelOmez1", C, "Start Limiter [rpm]", "Startovací omezovač [rpm]",
            "Start Begrenzer [rpm]"),
        row("LabelOmez2", C, "Limiter [rpm]", "Omezovač [rpm]", "Begrenzer [rpm]"),
        row("LabelLedRazeni", C, "Gear Shift Light [rpm]", "Kontrolka řazení [rpm]",
            "Schaltblitz [rpm]"),
        row("CheckBoxGas", C, "N2O Enable", "N2O povolen", "N2O zugelast"),
        row("GroupBoxGas", C, "N2O", "N2O", "N2O"),
        row("LabelGas1", C, "N2O 1 [%]", "N2O 1 [%]", "N2O 1 [%]"),
        row("LabelGas2", C, "N2O 2 [%]", "N2O 2 [%]", "N2O 2 [%]"),
        row("LabelGasD", C, "Delay [ms]", "Zpoždění [ms]", "Verspätung [ms]"),
        row("LabelGasT", C, "Build up Time [ms]", "Náběh [ms]", "Anlauf [ms]"),
        row("GroupBoxRetard", C, "Retard", "Snížení předstihu", "Spätzündung"),
        row("LabelRetard1", C, "Retard 1 [°]", "Snížení předstihu 1 [°]", "Spätzündung 1 [°]"),
        row("LabelRetard2", C, "Retard 2 [°]", "Snížení předstihu 2 [°]", "Spätzündung 2 [°]"),
        row("LabelRetardD", C, "Delay [ms]", "Zpoždění [ms]", "Verspätung [ms]"),
        row("LabelRetardT", C, "Build up Time [ms]", "Náběh [ms]", "Anlauf [ms]"),
        row("CheckBoxAktLimiter1", C, "Start Limiter", "Startovací omezovač", "Start Begrenzer"),
        row("CheckBoxAktBlok1", C, "Blocking 1", "Blokování 1", "Blockierung 1"),
        row("CheckBoxAktBlok2", C, "Blocking 2", "Blokování 2", "Blockierung 2"),
        row("CheckBoxBuzDlouhe", C, "Excitation Long", "Buzení dlouhé", "Anfachung lange"),
        row("CheckBoxRpm2Krat", C, "Tachometer 2x", "Otáčkoměr 2x", "Drehzahl verdoppeln"),
        row("CheckBoxAktN2o", C, "Activation N2O", "Aktivace N2O", "Aktivierung N2O"),
        row("LabelFile1", C, "File:", "Soubor:", "Datei:"),
        row("CheckBoxPrivEnable", C, "Servo Enable", "Servo povoleno", "Servo zugelast"),
        row("GroupBoxPrivera", C, "Servo", "Servo", "Servo"),
        row("LabelPrivHyster", C, "Sevro Hysteresis [mV]", "Hystereze [mV]",
            "Servo Hysteresis [mV]"),
        row("CheckBoxPrivAll", C, "All", "Vše", "Alles"),
        row("Label26", H, "Round per Minute|Speed - Round per Minute",
            "Otáčky za minutu|Rychlost - Otáčky za minutu", "Umdrehungen pro Minute"),
        row("LabelVerze1", H, "Version of program in ignition", "Verze programu v zapalování",
            "Version des Programms der Zündung"),
        row("LabelVerze2", H, "Date of program in ignition",
            "Datum zhotovení programu v zapalování", "Datum des Programms der Zündung"),
        row("LabelVerze3", H, "Time of program in ignition", "Čas zhotovení programu v zapalování",
            "Zeit des Programms der Zündung"),
        row("SpeedButton5", H, "Open file with parametrs", "Otevření souboru s parametry",
            "öffnen Datei mit Kenndaten"),
        row("SpeedButton6", H, "Set default parametrs", "Nastavení výchozích parametrů",
            "neue Kenndatendatei erstellen"),
        row("SpeedButton7", H, "Save parametrs to file", "Uložení parametrů do souboru",
            "Kenndaten in Datei speichern"),
        row("SpeedButtonPrint", H, "Print parametrs", "Tisk parametrů", "Druck der Kenndaten"),
        row("BitBtn1", H, "Programing  set parametrs to ignition",
            "Programování nastavených parametrů do zapalování",
            "Programmieren der Kenndaten auf die Zündbox"),
        row("BitBtn2", H, "Compare set parametrs  with parametrs of ignition",
            "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do "
            "zapalování",
            "Vergleich der Kenndaten mit Zündboxkenndaten"),
        row("BitBtnAdvMinus", H, "Take off 1 degree of Advance", "Zmenšení předstihu o 1 stupeň",
            "Vorzündung minus 1 Grad"),
        row("BitBtnAdvPlus", H, "Add 1 degree of Advance", "Zvětšení předstihu o 1 stupeň",
            "Vorzündung plus 1 Grad"),
        row("Button1", H, "Reading parametrs from ignition", "Čtení parametrů ze zapalování",
            "Lesen Kenndaten aus Zündbox"),
        row("MenuNew", H, "Set default parameters ", "Nastavení výchozích parametrů",
            "Neue Kenndatendatei erstellen"),
        row("MenuOpen", H, "Open file with parameters ", "Otevření souboru s parametry",
            "öffnen Datei mit Kenndaten"),
        row("MenuSave", H, "Save parameters to file", "Uložení parametrů do souboru",
            "Kenndaten in Datei speichern"),
        row("MenuPrint", H, "Print parameters", "Tisk parametrů", "Druck der Kenndaten"),
        row("MenuExit", H, "End of program", "Ukončení programu", "Speichern"),
        row("MenuCom", H, "Com|Set number of com", "Nastavení čísla serivého portu (Com) ",
            "Com Port festlegen"),
    };
    for (int n = 1; n <= 10; ++n) {
        const std::string num = std::to_string(n);
        t.push_back(UiText{"MenuCom" + num, H, "Nastavení komunikace na port com " + num,
                           "Set com " + num, "Com " + num + " festzustellen"});
    }
    const std::vector<UiText> rest = {
        row("MenuRead", H, "Reading parameters from unit", "Čtení|Čtení parametrů z jednotky",
            "Lesen Kenndaten aus Zündbox"),
        row("MenuVerify", H, "Compare set parameters  with parameters of unit",
            "Ověření|Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do "
            "zapalování",
            "Vergleich der Kenndaten Programm mit Kenndaten der Zündbox"),
        row("MenuProgram", H, "Programing  set parameters to unit",
            "Programování jednotky|Programování nastavených parametrů do jednotky",
            "Programmieren der Kenndaten auf die Zündbox"),
        row("MenuLanguage", H, "Language|Set English or Czech or German",
            "Nastavení jazyka na angličtinu, češtinu nebo němčinu", "Sprache"),
        row("MenuEnglish", H, "Set Englich menu", "Set Englich menu", "Set Englich menu"),
        row("MenuCzech", H, "Nastavit české menu", "Nastavit české menu", "Nastavit české menu"),
        row("MenuGerman", H, "Deutche Menü", "Deutche Menü", "Deutche Menü"),
        row("MenuHelp", H, "Not available jet", "Není k dispozici", "Noch nicht verfügbar"),
        row("CheckBoxProgHned", H, "Programing at once after change", "Programování ihned po změně",
            "Programmmieren gleich after die Umänderung"),
        row("GroupBox4", H, "Checked items means activation by closing to ground",
            "Zaškrtnutí znamená aktivaci připojením na zem",
            "Gezeichnete Punkt bedeutet Aktivierung durch Schaltverbindung zu Grund"),
    };
    t.insert(t.end(), rest.begin(), rest.end());
    return t;
}

// Texts of the commands this program adds to the set above: the comparisons.
std::vector<UiText> buildAddedTexts() {
    return {
        row("MenuCompareFile", C, "&Compare with file...", "&Porovnat se souborem...",
            "Mit Datei &vergleichen..."),
        row("MenuCompareUnit", C, "&Compare with unit", "Po&rovnat se zapalováním",
            "Mit Zündbox ver&gleichen"),
        row("ButtonDifferences", C, "Differences...", "Rozdíly...", "Unterschiede..."),
        row("MenuCompareFile", H,
            "Compare with file|Show how the parameters differ from those of a file",
            "Porovnat se souborem|Zobrazit, čím se parametry liší od parametrů souboru",
            "Mit Datei vergleichen|Zeigen, worin die Kenndaten von denen einer Datei abweichen"),
        row("MenuCompareUnit", H,
            "Compare with unit|Read the unit's parameters and show how they differ, without "
            "changing the set on screen",
            "Porovnat se zapalováním|Přečíst parametry zapalování a zobrazit rozdíly, bez změny "
            "parametrů na obrazovce",
            "Mit Zündbox vergleichen|Kenndaten der Zündbox lesen und die Unterschiede zeigen, "
            "ohne die Kenndaten am Bildschirm zu ändern"),
        row("MenuExportSheet", C, "&Export tune sheet (PDF)…", "Exportovat &list nastavení (PDF)…",
            "&Abstimmblatt exportieren (PDF)…"),
        row("MenuExportSheet", H,
            "Export tune sheet|Write every parameter on a sheet as a PDF file",
            "Exportovat list nastavení|Zapsat všechny parametry na list do souboru PDF",
            "Abstimmblatt exportieren|Alle Kenndaten auf ein Blatt in eine PDF-Datei schreiben"),
        row("ButtonDifferences", H, "Show the parameters the unit holds differently",
            "Zobrazit parametry, které má zapalování jinak",
            "Die Kenndaten zeigen, die die Zündbox anders hat"),
        row("MenuRecordLog", C, "Record &log", "Zá&znam logu", "&Log aufzeichnen"),
        row("MenuRecordLog", H, "Record log|Write the live values to a CSV file, a line per packet",
            "Záznam logu|Zapisovat živé hodnoty do souboru CSV, řádek za každý paket",
            "Log aufzeichnen|Die Live-Werte in eine CSV-Datei schreiben, eine Zeile je Paket"),
        row("MenuReplayLog", C, "Re&play log...", "Pře&hrát log...", "Log &abspielen..."),
        row("MenuReplayLog", H, "Replay log|Play a recorded log through the monitor and the map",
            "Přehrát log|Přehrát zaznamenaný log na monitoru a v mapě",
            "Log abspielen|Ein aufgezeichnetes Log im Monitor und in der Karte abspielen"),
    };
}

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

Triple reportTriple(ReportText t) {
    switch (t) {
    case ReportText::Title:
        return {"Rozdíly parametrů", "Parameter differences", "Unterschiede der Kenndaten"};
    case ReportText::ColumnParameter:
        return {"Parametr", "Parameter", "Kenndaten"};
    case ReportText::ColumnScreen:
        return {"Na obrazovce", "On screen", "Am Bildschirm"};
    case ReportText::ColumnUnit:
        return {"V zapalování", "In the unit", "In der Zündbox"};
    case ReportText::ColumnFile:
        return {"V souboru", "In the file", "In der Datei"};
    case ReportText::AdvanceMap:
        return {"Mapa předstihu (%1)", "Advance map (%1)", "Vorzündung Karte (%1)"};
    case ReportText::NoDifferences:
        return {"Žádné rozdíly", "No differences", "Keine Unterschiede"};
    case ReportText::TakeUnit:
        return {"Převzít hodnoty &zapalování", "Take &unit's values",
                "Werte der &Zündbox übernehmen"};
    case ReportText::TakeFile:
        return {"Převzít hodnoty &souboru", "Take &file's values", "Werte der &Datei übernehmen"};
    case ReportText::Program:
        return {"&Programovat", "&Program", "&Programmieren"};
    }
    return {"", "", ""};
}

Triple portTriple(PortText t) {
    switch (t) {
    case PortText::DialogTitle:
        return {"Nastavení portů", "Port settings", "Porteinstellungen"};
    case PortText::DevicesHeading:
        return {"Sériová zařízení tohoto počítače", "Serial devices of this computer",
                "Serielle Geräte dieses Computers"};
    case PortText::ColumnDevice:
        return {"Zařízení", "Device", "Gerät"};
    case PortText::ColumnDescription:
        return {"Popis", "Description", "Beschreibung"};
    case PortText::ColumnManufacturer:
        return {"Výrobce", "Manufacturer", "Hersteller"};
    case PortText::ColumnSerialNumber:
        return {"Sériové číslo", "Serial number", "Seriennummer"};
    case PortText::ColumnUsbId:
        return {"USB výrobce:produkt", "USB vendor:product", "USB Hersteller:Produkt"};
    case PortText::PortsHeading:
        return {"Zařízení portů COM1 až COM10", "Devices of the ports COM1 to COM10",
                "Geräte der Ports COM1 bis COM10"};
    case PortText::PathHint:
        return {"Vyberte zařízení ze seznamu nebo zadejte cestu",
                "Pick a device from the list or type a path",
                "Gerät aus der Liste wählen oder einen Pfad eingeben"};
    case PortText::FindUnit:
        return {"&Najít jednotku", "&Find the unit", "Zündbox &suchen"};
    case PortText::Trying:
        return {"Zkouším %1...", "Trying %1...", "Prüfe %1..."};
    case PortText::Answered:
        return {"Jednotka odpověděla na %1.", "The unit answered on %1.",
                "Die Zündbox antwortet an %1."};
    case PortText::NoAnswer:
        return {"Žádné zařízení neodpovědělo.", "No device answered.",
                "Kein Gerät hat geantwortet."};
    case PortText::NothingToTry:
        return {"Není co zkoušet: žádné jiné zařízení.", "Nothing to try: no other device.",
                "Nichts zu prüfen: kein anderes Gerät."};
    case PortText::UseFor:
        return {"&Použít pro COM%1", "&Use for COM%1", "Für COM%1 &verwenden"};
    case PortText::Unplugged:
        return {"(odpojeno)", "(unplugged)", "(ausgesteckt)"};
    case PortText::NotConfigured:
        return {"nenastaveno: %1", "not configured: %1", "nicht eingestellt: %1"};
    case PortText::SimulatedUnit:
        return {"simulovaná jednotka", "simulated unit", "simulierte Zündbox"};
    case PortText::PseudoTerminal:
        return {"pseudoterminál", "pseudo-terminal", "Pseudoterminal"};
    case PortText::LinkUp:
        return {"Jednotka odpovídá", "The unit answers", "Die Zündbox antwortet"};
    case PortText::LinkNoReply:
        return {"Port otevřen, bez odpovědi", "Port open, no reply", "Port offen, keine Antwort"};
    case PortText::LinkCannotOpen:
        return {"Port nelze otevřít", "The port cannot be opened",
                "Der Port kann nicht geöffnet werden"};
    case PortText::Missing:
        return {"Zařízení %1 neexistuje.", "%1 does not exist.", "%1 existiert nicht."};
    case PortText::DevicesPresent:
        return {
            "Přítomná sériová zařízení:", "Serial devices present:", "Vorhandene serielle Geräte:"};
    case PortText::NoDevicePresent:
        return {"Není přítomno žádné sériové zařízení.", "No serial device is present.",
                "Kein serielles Gerät ist vorhanden."};
    case PortText::PermissionDenied:
        return {"Přístup k %1 byl odepřen.\nV Debianu a Ubuntu se přidejte do skupiny dialout:\n"
                "sudo usermod -aG dialout $USER\na pak se odhlaste a znovu přihlaste.",
                "Permission denied for %1.\nOn Debian and Ubuntu join the group dialout:\n"
                "sudo usermod -aG dialout $USER\nthen log out and log in again.",
                "Zugriff auf %1 verweigert.\nUnter Debian und Ubuntu der Gruppe dialout "
                "beitreten:\nsudo usermod -aG dialout $USER\ndann ab- und wieder anmelden."};
    case PortText::InUseBy:
        return {"Zařízení %1 používá jiný program: %2.", "%1 is in use by another program: %2.",
                "%1 wird von einem anderen Programm verwendet: %2."};
    case PortText::Process:
        return {"%1 (proces %2)", "%1 (process %2)", "%1 (Prozess %2)"};
    case PortText::OtherError:
        return {"Zařízení %1 nelze otevřít: %2", "%1 cannot be opened: %2",
                "%1 kann nicht geöffnet werden: %2"};
    case PortText::WinNoSuchPort:
        return {"Windows nezná port %1.", "Windows knows no port %1.",
                "Windows kennt keinen Port %1."};
    case PortText::WinNoSuchPortHint:
        return {"Připojte adaptér a ve Správci zařízení (Porty (COM a LPT)) ověřte, že má "
                "nainstalovaný ovladač a jaké číslo COM dostal.",
                "Plug the adapter in and check in Device Manager (Ports (COM & LPT)) that its "
                "driver is installed and which COM number it got.",
                "Den Adapter anstecken und im Geräte-Manager (Anschlüsse (COM & LPT)) prüfen, ob "
                "sein Treiber installiert ist und welche COM-Nummer er erhalten hat."};
    case PortText::WinInUseOrDenied:
        return {"Port %1 používá jiný program, nebo k němu byl odepřen přístup.",
                "%1 is in use by another program, or access to it was denied.",
                "%1 wird von einem anderen Programm verwendet, oder der Zugriff wurde verweigert."};
    case PortText::WinInUseHint:
        return {"Zavřete program, který port používá (terminál, jiný program pro jednotku); "
                "pokud žádný neběží, zkontrolujte ovladač adaptéru ve Správci zařízení.",
                "Close the program that uses the port (a terminal, another program for the "
                "unit); if none runs, check the adapter's driver in Device Manager.",
                "Das Programm schließen, das den Port verwendet (ein Terminal, ein anderes "
                "Programm für die Zündbox); läuft keines, den Treiber des Adapters im "
                "Geräte-Manager prüfen."};
    case PortText::WinDriverHint:
        return {"Zkontrolujte ovladač adaptéru ve Správci zařízení.",
                "Check the adapter's driver in Device Manager.",
                "Den Treiber des Adapters im Geräte-Manager prüfen."};
    }
    return {"", "", ""};
}

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

std::string changeCountsText(std::optional<int> notInUnit, std::optional<int> notSaved,
                             int language) {
    static const Triple unitUnknown = {"Jednotka: neznámá", "Unit: unknown", "Zündbox: unbekannt"};
    static const Triple inUnit = {"V jednotce", "In unit", "In der Zündbox"};
    static const Triple notIn = {"Není v jednotce", "Not in unit", "Nicht in der Zündbox"};
    static const Triple saved = {"Uloženo", "Saved", "Gespeichert"};
    static const Triple unsaved = {"Neuloženo", "Not saved", "Nicht gespeichert"};
    if (language < Czech || language > German)
        return std::string();
    auto counted = [language](const Triple& words, int n) {
        return std::string(pick(words, language)) + ": " + std::to_string(n);
    };
    const std::string unit = !notInUnit        ? pick(unitUnknown, language)
                             : *notInUnit == 0 ? pick(inUnit, language)
                                               : counted(notIn, *notInUnit);
    const std::string file = !notSaved        ? pick(unsaved, language)
                             : *notSaved == 0 ? pick(saved, language)
                                              : counted(unsaved, *notSaved);
    return unit + "  ·  " + file;
}

std::string portText(PortText t, int language) {
    return pick(portTriple(t), language);
}

std::string reportText(ReportText t, int language) {
    return pick(reportTriple(t), language);
}

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

const std::vector<UiText>& addedUiTexts() {
    static const std::vector<UiText> texts = buildAddedTexts();
    return texts;
}

const std::vector<UiText>& uiTexts() {
    static const std::vector<UiText> texts = buildUiTexts();
    return texts;
}

// Captions the form gives and no language changes.
const std::vector<std::pair<const char*, const char*>> kFixedCaptions = {
    {"CheckBoxAktClutch", "Clutch m."},
    {"CheckBoxAktRpm", "Tacho/Lambda"},
    {"CheckBoxTpsMapa", "TPS"},
    {"GroupBoxTps", "TPS"},
    {"LabelBaseAdv", "Base advance [°]"},
    {"LabelClutch", "Clutch m. [ms]"},
    {"LabelTps0", "0%  [mV]"},
    {"LabelTps100", "100%  [mv]"}};

std::string tableCaption(const char* objectName, int language) {
    std::string caption;
    for (const auto& [name, fixed] : kFixedCaptions)
        if (std::string(name) == objectName && language >= Czech && language <= German)
            caption = fixed;
    for (const std::vector<UiText>* table : {&uiTexts(), &addedUiTexts()})
        for (const UiText& t : *table)
            if (t.property == TextProperty::Caption && t.objectName == objectName)
                caption = t.in(language);
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    return caption;
}

std::string aboutText(int language, const std::string& buildDate, const std::string& buildTime) {
    // Title, its trailing spaces and the break after it (the German has only one), version.
    static const std::array<std::string, 3> head = {
        "Program pro nastavování zapalování" + std::string(11, ' ') + "\n\nverze " VORTAN2_VERSION,
        "Programm for setting of ignition" + std::string(12, ' ') + "\n\nversion " VORTAN2_VERSION,
        "Program für der Adjustierung der Zündung" + std::string(8, ' ') +
            "\nVersion " VORTAN2_VERSION};
    static const Triple maker = {"Výrobce: vývojáři projektu vortan2",
                                 "Maker: the vortan2 developers",
                                 "Hersteller: die Entwickler von vortan2"};
    static const Triple contact = {"Kontakt:\n"
                                   "Web: https://example.org/vortan2\n"
                                   "E-mail: vortan2@example.org\n"
                                   "Telefon: není k dispozici\n",
                                   "Contact:\n"
                                   "Web: https://example.org/vortan2\n"
                                   "E-mail: vortan2@example.org\n"
                                   "Phone: not available\n",
                                   "Kontakt:\n"
                                   "Web: https://example.org/vortan2\n"
                                   "E-Mail: vortan2@example.org\n"
                                   "Telefon: nicht verfügbar\n"};
    if (language < Czech || language > German)
        return std::string();
    return head[static_cast<std::size_t>(language)] + "\n\n" + buildDate + "\n\n" + buildTime +
           "\n\n" + pick(maker, language) + "\n\n" + pick(contact, language);
}

std::string htmlManualFileName(int language) {
    static const Triple names = {"manual_cs.html", "manual_en.html", "manual_de.html"};
    return pick(names, language);
}

std::string manualFileName(int language) {
    static const Triple names = {"Manual_Vortan15_cz.doc", "Manual_Vortan15_en.doc",
                                 "Manual_Vortan15_de.doc"};
    return pick(names, language);
}

} // namespace vortan
