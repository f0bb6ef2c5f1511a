#include "lang/Texts.h"

#include "Version.h"
#include "params/Triple.h"

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
        row("AdvanceAll", C, "All", "Vše", "Alles"),
        row("ProgrammingAfterChange", C, "Programming after change", "Programování po změně",
            "Programmieren nach Änderung"),
        row("ReadButton", C, "&Read", "Čí&st", "&Lesen"),
        row("ProgramButton", C, "&Program", "&Programovat", "&Programmieren"),
        row("VerifyButton", C, "&Verify", "&Verifikovat", "&Vergleichen"),
        row("ComboBox1", H, "Motorbike Type", "Typ motocyklu", "Mottorad Type"),
        // The Czech set never had a caption here; "Ostatní" is the plain Czech for "Other".
        row("GroupBox1", C, "Other", "Ostatní", "Vorzündung"),
        row("GroupBox4", C, "Activation by Switch on", "Aktivace sepnutím",
            "Aktivation durch Schaltung"),
        row("StartLimiter", C, "Start Limiter [rpm]", "Startovací omezovač [rpm]",
            "Start Begrenzer [rpm]"),
        row("Limiter", C, "Limiter [rpm]", "Omezovač [rpm]", "Begrenzer [rpm]"),
        row("ShiftLight", C, "Gear Shift Light [rpm]", "Kontrolka řazení [rpm]",
            "Schaltblitz [rpm]"),
        row("N2oEnable", C, "N2O Enable", "N2O povolen", "N2O zugelast"),
        row("GroupBoxGas", C, "N2O", "N2O", "N2O"),
        row("N2o1", C, "N2O 1 [%]", "N2O 1 [%]", "N2O 1 [%]"),
        row("N2o2", C, "N2O 2 [%]", "N2O 2 [%]", "N2O 2 [%]"),
        row("N2oDelay", C, "Delay [ms]", "Zpoždění [ms]", "Verspätung [ms]"),
        row("N2oBuildUp", C, "Build up Time [ms]", "Náběh [ms]", "Anlauf [ms]"),
        row("GroupBoxRetard", C, "Retard", "Snížení předstihu", "Spätzündung"),
        row("Retard1", C, "Retard 1 [°]", "Snížení předstihu 1 [°]", "Spätzündung 1 [°]"),
        row("Retard2", C, "Retard 2 [°]", "Snížení předstihu 2 [°]", "Spätzündung 2 [°]"),
        row("RetardDelay", C, "Delay [ms]", "Zpoždění [ms]", "Verspätung [ms]"),
        row("RetardBuildUp", C, "Build up Time [ms]", "Náběh [ms]", "Anlauf [ms]"),
        row("InputStartLimiter", C, "Start Limiter", "Startovací omezovač", "Start Begrenzer"),
        row("InputBlocking1", C, "Blocking 1", "Blokování 1", "Blockierung 1"),
        row("InputBlocking2", C, "Blocking 2", "Blokování 2", "Blockierung 2"),
        row("ExcitationLong", C, "Excitation Long", "Buzení dlouhé", "Anfachung lange"),
        row("Tachometer2x", C, "Tachometer 2x", "Otáčkoměr 2x", "Drehzahl verdoppeln"),
        row("InputN2o", C, "Activation N2O", "Aktivace N2O", "Aktivierung N2O"),
        row("FileCaption", C, "File:", "Soubor:", "Datei:"),
        row("ServoEnable", C, "Servo Enable", "Servo povoleno", "Servo zugelast"),
        row("GroupBoxPrivera", C, "Servo", "Servo", "Servo"),
        row("ServoHysteresis", C, "Sevro Hysteresis [mV]", "Hystereze [mV]",
            "Servo Hysteresis [mV]"),
        row("ServoAll", C, "All", "Vše", "Alles"),
        row("SpeedAxis", H, "Round per Minute|Speed - Round per Minute",
            "Otáčky za minutu|Rychlost - Otáčky za minutu", "Umdrehungen pro Minute"),
        row("UnitVersion", H, "Version of program in ignition", "Verze programu v zapalování",
            "Version des Programms der Zündung"),
        row("UnitDate", H, "Date of program in ignition", "Datum zhotovení programu v zapalování",
            "Datum des Programms der Zündung"),
        row("UnitTime", H, "Time of program in ignition", "Čas zhotovení programu v zapalování",
            "Zeit des Programms der Zündung"),
        row("SpeedButton5", H, "Open file with parametrs", "Otevření souboru s parametry",
            "öffnen Datei mit Kenndaten"),
        row("SpeedButton6", H, "Set default parametrs", "Nastavení výchozích parametrů",
            "neue Kenndatendatei erstellen"),
        row("SpeedButton7", H, "Save parametrs to file", "Uložení parametrů do souboru",
            "Kenndaten in Datei speichern"),
        row("SpeedButtonPrint", H, "Print parametrs", "Tisk parametrů", "Druck der Kenndaten"),
        row("ProgramButton", H, "Programing  set parametrs to ignition",
            "Programování nastavených parametrů do zapalování",
            "Programmieren der Kenndaten auf die Zündbox"),
        row("VerifyButton", H, "Compare set parametrs  with parametrs of ignition",
            "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do "
            "zapalování",
            "Vergleich der Kenndaten mit Zündboxkenndaten"),
        row("AdvanceMinus", H, "Take off 1 degree of Advance", "Zmenšení předstihu o 1 stupeň",
            "Vorzündung minus 1 Grad"),
        row("AdvancePlus", H, "Add 1 degree of Advance", "Zvětšení předstihu o 1 stupeň",
            "Vorzündung plus 1 Grad"),
        row("ReadButton", H, "Reading parametrs from ignition", "Čtení parametrů ze zapalování",
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
        row("ProgrammingAfterChange", H, "Programing at once after change",
            "Programování ihned po změně", "Programmmieren gleich after die Umänderung"),
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
        row("Differences", C, "Differences...", "Rozdíly...", "Unterschiede..."),
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
        row("Differences", H, "Show the parameters the unit holds differently",
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

} // namespace

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

std::string reportText(ReportText t, int language) {
    return pick(reportTriple(t), language);
}

const std::vector<UiText>& addedUiTexts() {
    static const std::vector<UiText> texts = buildAddedTexts();
    return texts;
}

const std::vector<UiText>& uiTexts() {
    static const std::vector<UiText> texts = buildUiTexts();
    return texts;
}

// Captions the form gives and no language changes, by their text ids.
const std::vector<std::pair<const char*, const char*>> kFixedCaptions = {
    {"InputClutch", "Clutch m."},
    {"InputTachoLambda", "Tacho/Lambda"},
    {"TpsMap", "TPS"},
    {"GroupBoxTps", "TPS"},
    {"BaseAdvance", "Base advance [°]"},
    {"Clutch", "Clutch m. [ms]"},
    {"Tps0", "0%  [mV]"},
    {"Tps100", "100%  [mv]"}};

std::string tableCaption(const char* textId, int language) {
    std::string caption;
    for (const auto& [id, fixed] : kFixedCaptions)
        if (std::string(id) == textId && language >= Czech && language <= German)
            caption = fixed;
    for (const std::vector<UiText>* table : {&uiTexts(), &addedUiTexts()})
        for (const UiText& t : *table)
            if (t.property == TextProperty::Caption && t.id == textId)
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
