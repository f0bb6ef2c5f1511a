// The three text sets: the window's table, the messages, the About box and manual names.

#include "lang/CliTexts.h"
#include "lang/MapEditTexts.h"
#include "lang/Mnemonics.h"
#include "lang/Texts.h"

#include <QTest>

#include <set>

using namespace vortan;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(vortan::Message)
Q_DECLARE_METATYPE(vortan::TextProperty)

namespace {

int indexOf(const std::string& name, TextProperty p) {
    const auto& t = uiTexts();
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i].id == name && t[i].property == p)
            return int(i);
    return -1;
}

} // namespace

class tst_Texts : public QObject {
    Q_OBJECT

private slots:
    void everyRowHasThreeTexts();
    void tableOrder();
    void pinnedTexts_data();
    void pinnedTexts();
    void messages_data();
    void messages();
    void messageKinds();
    void aboutText_data();
    void aboutText();
    void manualFileNames();
    void otherLanguageIndexesGiveNothing();
    void mnemonicClashes_data();
    void mnemonicClashes();
    void undoItems_data();
    void undoItems();
    void editNames();
    void portTexts();
    void changeCounts_data();
    void changeCounts();
    void restoreTexts();
    void mapEditTexts();
    void cliTexts();
    void tableCaptions_data();
    void tableCaptions();
};

void tst_Texts::everyRowHasThreeTexts() {
    const auto& t = uiTexts();
    QCOMPARE(int(t.size()), 100);
    std::set<std::pair<std::string, TextProperty>> seen;
    for (const UiText& row : t) {
        QVERIFY(!row.id.empty());
        QVERIFY2(!row.czech.empty() && !row.english.empty() && !row.german.empty(), row.id.c_str());
        QVERIFY2(seen.insert({row.id, row.property}).second, row.id.c_str());
        QCOMPARE(row.in(Czech), row.czech);
        QCOMPARE(row.in(English), row.english);
        QCOMPARE(row.in(German), row.german);
    }
}

void tst_Texts::tableOrder() {
    const auto& t = uiTexts();
    QCOMPARE(t.front().id, std::string("FormHlav"));
    QCOMPARE(t.back().id, std::string("GroupBox4"));
    QCOMPARE(t.back().property, TextProperty::Hint);

    const int label26 = indexOf("SpeedAxis", TextProperty::Hint);
    QCOMPARE(label26, indexOf("ServoAll", TextProperty::Caption) + 1);
    QCOMPARE(label26 + 1, indexOf("UnitVersion", TextProperty::Hint));

    const int menuCom = indexOf("MenuCom", TextProperty::Hint);
    QCOMPARE(menuCom, indexOf("MenuExit", TextProperty::Hint) + 1);
    for (int n = 1; n <= 10; ++n) {
        const UiText& row = t[std::size_t(menuCom + n)];
        QCOMPARE(row.id, "MenuCom" + std::to_string(n));
        QCOMPARE(row.property, TextProperty::Hint);
        QCOMPARE(row.english, "Set com " + std::to_string(n));
        QCOMPARE(row.czech, "Nastavení komunikace na port com " + std::to_string(n));
        QCOMPARE(row.german, "Com " + std::to_string(n) + " festzustellen");
    }
    const char* after[] = {"MenuRead", "MenuVerify", "MenuProgram", "MenuLanguage", "MenuEnglish"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(t[std::size_t(menuCom + 11 + i)].id, std::string(after[i]));
}

void tst_Texts::pinnedTexts_data() {
    QTest::addColumn<std::string>("name");
    QTest::addColumn<TextProperty>("property");
    QTest::addColumn<std::string>("czech");
    QTest::addColumn<std::string>("english");
    QTest::addColumn<std::string>("german");
    const auto C = TextProperty::Caption;
    const auto H = TextProperty::Hint;

    QTest::newRow("window") << std::string("FormHlav") << C
                            << std::string("Programování jednotky Vortan 2")
                            << std::string("Programming of Vortan 2 unit")
                            << std::string("Programmierung der Vortan 2 Zündbox");
    QTest::newRow("accelerator inside") << std::string("MenuRead") << C << std::string("Čí&st")
                                        << std::string("&Read") << std::string("&Lesen");
    QTest::newRow("German without accelerator")
        << std::string("MenuEnglish") << C << std::string("&Anglicky") << std::string("&English")
        << std::string("Englisch");
    QTest::newRow("MenuEdit") << std::string("MenuEdit") << C << std::string("Úp&ravy")
                              << std::string("&Edit") << std::string("&Bearbeiten");
    QTest::newRow("GroupBox1") << std::string("GroupBox1") << C << std::string("Ostatní")
                               << std::string("Other") << std::string("Vorzündung");
    QTest::newRow("misspelt") << std::string("ServoHysteresis") << C
                              << std::string("Hystereze [mV]")
                              << std::string("Sevro Hysteresis [mV]")
                              << std::string("Servo Hysteresis [mV]");
    QTest::newRow("degree sign") << std::string("Retard2") << C
                                 << std::string("Snížení předstihu 2 [°]")
                                 << std::string("Retard 2 [°]") << std::string("Spätzündung 2 [°]");
    QTest::newRow("trailing space English")
        << std::string("MenuNew") << H << std::string("Nastavení výchozích parametrů")
        << std::string("Set default parameters ") << std::string("Neue Kenndatendatei erstellen");
    QTest::newRow("trailing space Czech")
        << std::string("MenuCom") << H << std::string("Nastavení čísla serivého portu (Com) ")
        << std::string("Com|Set number of com") << std::string("Com Port festlegen");
    QTest::newRow("double blanks")
        << std::string("VerifyButton") << H
        << std::string("Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými "
                       "do zapalování")
        << std::string("Compare set parametrs  with parametrs of ignition")
        << std::string("Vergleich der Kenndaten mit Zündboxkenndaten");
    QTest::newRow("short and long") << std::string("MenuProgram") << H
                                    << std::string("Programování jednotky|Programování "
                                                   "nastavených parametrů do jednotky")
                                    << std::string("Programing  set parameters to unit")
                                    << std::string("Programmieren der Kenndaten auf die Zündbox");
    QTest::newRow("SpeedAxis") << std::string("SpeedAxis") << H
                               << std::string("Otáčky za minutu|Rychlost - Otáčky za minutu")
                               << std::string("Round per Minute|Speed - Round per Minute")
                               << std::string("Umdrehungen pro Minute");
    QTest::newRow("same in every language")
        << std::string("MenuGerman") << H << std::string("Deutche Menü")
        << std::string("Deutche Menü") << std::string("Deutche Menü");
    QTest::newRow("German Exit hint")
        << std::string("MenuExit") << H << std::string("Ukončení programu")
        << std::string("End of program") << std::string("Speichern");
    QTest::newRow("lower-case German")
        << std::string("SpeedButton5") << H << std::string("Otevření souboru s parametry")
        << std::string("Open file with parametrs") << std::string("öffnen Datei mit Kenndaten");
    QTest::newRow("port settings item")
        << std::string("MenuPortSettings") << C << std::string("&Nastavení portů...")
        << std::string("Port &settings...") << std::string("Port&einstellungen...");
    QTest::newRow("port settings hint")
        << std::string("MenuPortSettings") << H
        << std::string("Nastavení portů|Výběr zařízení pro každý port, hledání jednotky")
        << std::string("Port settings|Choose the device of each port, find the unit")
        << std::string("Porteinstellungen|Gerät für jeden Port wählen, die Zündbox suchen");
    QTest::newRow("restore points item")
        << std::string("MenuRestorePoints") << C << std::string("Bo&dy obnovení...")
        << std::string("&Restore points...") << std::string("&Wiederherstellungspunkte...");
    QTest::newRow("ProgHned hint")
        << std::string("ProgrammingAfterChange") << H << std::string("Programování ihned po změně")
        << std::string("Programing at once after change")
        << std::string("Programmmieren gleich after die Umänderung");
}

void tst_Texts::pinnedTexts() {
    QFETCH(std::string, name);
    QFETCH(TextProperty, property);
    QFETCH(std::string, czech);
    QFETCH(std::string, english);
    QFETCH(std::string, german);
    const int i = indexOf(name, property);
    QVERIFY(i >= 0);
    const UiText& row = uiTexts()[std::size_t(i)];
    QCOMPARE(row.czech, czech);
    QCOMPARE(row.english, english);
    QCOMPARE(row.german, german);
}

void tst_Texts::messages_data() {
    QTest::addColumn<Message>("message");
    QTest::addColumn<std::string>("czech");
    QTest::addColumn<std::string>("english");
    QTest::addColumn<std::string>("german");
    const auto add = [](const char* tag, Message m, const char* cz, const char* en,
                        const char* de) {
        QTest::newRow(tag) << m << std::string(cz) << std::string(en) << std::string(de);
    };
    add("read started", Message::ReadStarted, "Čtení:", "Read device:", "Lesen:");
    add("program started", Message::ProgramStarted,
        "Programování:", "Program device:", "Programmieren:");
    add("verify by user", Message::VerifyStartedByUser,
        "Verifikace:", "Verify device:", "Vergleichen:");
    add("verify after", Message::VerifyStartedAuto,
        "Verifikace:", "Verify device:", "Verifikation:");
    add("verify ok", Message::VerifyOk, "Verifikace OK", "Verify OK", "Vergleich OK");
    add("read failed", Message::ReadFailed, "Chyba čtení!", "Read error!", "Lesefehler");
    add("verify failed", Message::VerifyFailed, "Chyba verifikace!", "Verify error!",
        "Vergleichsfehler");
    add("program failed", Message::ProgramFailed, "Chyba programování", "Program error!",
        "Programmier. Fehler");
    add("incompatible", Message::IncompatibleUnit, "Neshodné verze proramu v PC a zapalování!",
        "Unmatched version of PC and Ignition programs!",
        "Uneinig Version von den PC and Zündung Programme!");
    add("bike", Message::UnsupportedBike, "Toto zapalování není pro zvolený typ motocyklu!",
        "These Ignition is not for this type of motorbikes!",
        "Diese Zündung ist nicht for gestellte Motorrad!");
    add("file version", Message::FileVersion, "Neshodná verze souboru *.ign!",
        "Unmatched version of *.ign file!", "Uneinig Version der Datendatei *.ign!");
    add("print heading", Message::PrintHeading,
        "Datum a čas tisku:  ", "Date and Time of printing:  ", "Date and Time of printing:  ");
    add("no printer", Message::NoPrinter, "Není nainstalována žádná tiskárna.",
        "No printer is installed.", "Es ist kein Drucker installiert.");
}

void tst_Texts::messages() {
    QFETCH(Message, message);
    QFETCH(std::string, czech);
    QFETCH(std::string, english);
    QFETCH(std::string, german);
    QCOMPARE(messageText(message, Czech), czech);
    QCOMPARE(messageText(message, English), english);
    QCOMPARE(messageText(message, German), german);
}

void tst_Texts::messageKinds() {
    const std::set<Message> failures = {Message::ReadFailed, Message::VerifyFailed,
                                        Message::ProgramFailed};
    const std::set<Message> starts = {Message::ReadStarted, Message::ProgramStarted,
                                      Message::VerifyStartedByUser, Message::VerifyStartedAuto};
    for (int i = 0; i <= int(Message::NoPrinter); ++i) {
        const auto m = Message(i);
        QCOMPARE(isFailure(m), failures.count(m) == 1);
        QCOMPARE(isStart(m), starts.count(m) == 1);
    }
}

void tst_Texts::aboutText_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<std::string>("head");
    QTest::addColumn<std::string>("heading");
    QTest::newRow("Czech") << int(Czech)
                           << std::string("Program pro nastavování zapalování           \n\n"
                                          "verze 2.0\n\nSep 11 2004\n\n09:07:51\n\n")
                           << std::string("\n\nKontakt:\n");
    QTest::newRow("English") << int(English)
                             << std::string("Programm for setting of ignition            \n\n"
                                            "version 2.0\n\nSep 11 2004\n\n09:07:51\n\n")
                             << std::string("\n\nContact:\n");
    QTest::newRow("German") << int(German)
                            << std::string("Program für der Adjustierung der Zündung        \n"
                                           "Version 2.0\n\nSep 11 2004\n\n09:07:51\n\n")
                            << std::string("\n\nKontakt:\n");
}

void tst_Texts::aboutText() {
    QFETCH(int, language);
    QFETCH(std::string, head);
    QFETCH(std::string, heading);
    const std::string text = vortan::aboutText(language, "Sep 11 2004", "09:07:51");
    QCOMPARE(text.substr(0, head.size()), head);
    // Maker line, blank line, heading, then three contact lines each ending in a break.
    const std::string block = text.substr(head.size());
    const std::size_t h = block.find(heading);
    QVERIFY(h != std::string::npos && h > 0);
    QCOMPARE(block.find('\n'), h); // the maker is one line
    const std::string lines = block.substr(h + heading.size());
    QCOMPARE(std::count(lines.begin(), lines.end(), '\n'), std::ptrdiff_t(3));
    QCOMPARE(lines.back(), '\n');
    QVERIFY(lines.find("\n\n") == std::string::npos);
}

void tst_Texts::manualFileNames() {
    QCOMPARE(manualFileName(Czech), std::string("Manual_Vortan15_cz.doc"));
    QCOMPARE(manualFileName(English), std::string("Manual_Vortan15_en.doc"));
    QCOMPARE(manualFileName(German), std::string("Manual_Vortan15_de.doc"));
}

void tst_Texts::otherLanguageIndexesGiveNothing() {
    for (int language : {3, -1, 255}) {
        QCOMPARE(messageText(Message::VerifyOk, language), std::string());
        QCOMPARE(messageText(Message::PrintHeading, language), std::string());
        QCOMPARE(vortan::aboutText(language, "d", "t"), std::string());
        QCOMPARE(manualFileName(language), std::string());
    }
}

void tst_Texts::changeCounts_data() {
    QTest::addColumn<int>("notInUnit"); // -1: unknown
    QTest::addColumn<int>("notSaved");  // -1: unknown
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("nothing known")
        << -1 << -1
        << QStringList{"Jednotka: neznámá  ·  Neuloženo", "Unit: unknown  ·  Not saved",
                       "Zündbox: unbekannt  ·  Nicht gespeichert"};
    QTest::newRow("both same") << 0 << 0
                               << QStringList{"V jednotce  ·  Uloženo", "In unit  ·  Saved",
                                              "In der Zündbox  ·  Gespeichert"};
    QTest::newRow("counts") << 3 << 12
                            << QStringList{"Není v jednotce: 3  ·  Neuloženo: 12",
                                           "Not in unit: 3  ·  Not saved: 12",
                                           "Nicht in der Zündbox: 3  ·  Nicht gespeichert: 12"};
    QTest::newRow("no file, unit same")
        << 0 << -1
        << QStringList{"V jednotce  ·  Neuloženo", "In unit  ·  Not saved",
                       "In der Zündbox  ·  Nicht gespeichert"};
}

void tst_Texts::changeCounts() {
    QFETCH(int, notInUnit);
    QFETCH(int, notSaved);
    QFETCH(QStringList, texts);
    auto known = [](int n) { return n < 0 ? std::nullopt : std::optional<int>(n); };
    for (int language = Czech; language <= German; ++language)
        QCOMPARE(
            QString::fromStdString(changeCountsText(known(notInUnit), known(notSaved), language)),
            texts[language]);
    QCOMPARE(changeCountsText(known(notInUnit), known(notSaved), 3), std::string());
}

// The map editing texts exist in each language, with the same placeholders.
void tst_Texts::mapEditTexts() {
    for (int t = 0; t <= int(MapEditText::ServoPointInUse); ++t) {
        const std::string english = mapEditText(MapEditText(t), English);
        for (int language : {Czech, German}) {
            const std::string text = mapEditText(MapEditText(t), language);
            QVERIFY2(!text.empty(), english.c_str());
            for (const char* mark : {"%1", "%2"})
                QCOMPARE(text.find(mark) == std::string::npos,
                         english.find(mark) == std::string::npos);
        }
    }
    QCOMPARE(mapEditText(MapEditText::Smooth, 3), std::string());
    for (const UiText& row : mapEditUiTexts())
        QVERIFY2(!row.czech.empty() && !row.english.empty() && !row.german.empty(), row.id.c_str());
}

void tst_Texts::restoreTexts() {
    for (int language = Czech; language <= German; ++language) {
        for (int t = 0; t <= int(RestoreText::WriteFailed); ++t)
            QVERIFY(!restoreText(RestoreText(t), language).empty());
        QVERIFY(restoreText(RestoreText::WriteFailed, language).find("%1") != std::string::npos);
    }
    QCOMPARE(restoreText(RestoreText::DialogTitle, German),
             std::string("Wiederherstellungspunkte"));
    QCOMPARE(restoreText(RestoreText::DialogTitle, 3), std::string());
}

void tst_Texts::cliTexts() {
    for (int t = 0; t <= int(CliText::Interrupted); ++t) {
        std::set<std::string> languages;
        for (int language = Czech; language <= German; ++language)
            QVERIFY(languages.insert(cliText(CliText(t), language)).second);
        QVERIFY(!languages.count(std::string()));
    }
    for (CliText t : {CliText::WaitingFirst, CliText::WaitingNext, CliText::Differences})
        for (int language = Czech; language <= German; ++language)
            QVERIFY(cliText(t, language).find("%1") != std::string::npos);
    QCOMPARE(cliText(CliText::Interrupted, 3), std::string());
}

void tst_Texts::tableCaptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::newRow("a label") << "StartLimiter" << int(English) << "Start Limiter [rpm]";
    QTest::newRow("without its &") << "MenuOpen" << int(German) << "Öffnen";
    QTest::newRow("the same in every language")
        << "BaseAdvance" << int(Czech) << "Base advance [°]";
    QTest::newRow("no such text") << "Nothing" << int(Czech) << "";
}
void tst_Texts::tableCaptions() {
    QFETCH(QString, name);
    QFETCH(int, language);
    QFETCH(QString, caption);
    QCOMPARE(QString::fromStdString(tableCaption(qPrintable(name), language)), caption);
}

QTEST_GUILESS_MAIN(tst_Texts)
void tst_Texts::mnemonicClashes_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("clashes");
    QTest::newRow("Čí&st against &Soubor") << "Čí&st" << true;
    QTest::newRow("&Programovat against &Port") << "&Programovat" << true;
    QTest::newRow("upper case letter") << "&SAVE" << true;
    QTest::newRow("non-ASCII letter") << "&Žádný" << false;
    QTest::newRow("another letter") << "&Verifikovat" << false;
    QTest::newRow("no mnemonic") << "Verify" << false;
    QTest::newRow("literal ampersand") << "R&&S" << false;
    QTest::newRow("literal, then a letter") << "R&&S &zero" << true;
    QTest::newRow("trailing ampersand") << "Read&" << false;
}

void tst_Texts::mnemonicClashes() {
    QFETCH(QString, caption);
    QTEST(vortan::mnemonicClashes(caption, {"&Soubor", "&Port", "&Zařízení", "Ja&zyk"}), "clashes");
}

void tst_Texts::undoItems_data() {
    QTest::addColumn<bool>("redo");
    QTest::addColumn<int>("edit");          // -1: nothing to undo or redo
    QTest::addColumn<QStringList>("texts"); // Czech, English, German
    QTest::newRow("undo Advance +")
        << false << int(EditName::AdvancePlus)
        << QStringList{"&Zpět Předstih +", "&Undo Advance +", "&Rückgängig: Vorzündung +"};
    QTest::newRow("undo Open file")
        << false << int(EditName::OpenFile)
        << QStringList{"&Zpět Otevřít soubor", "&Undo Open file", "&Rückgängig: Datei öffnen"};
    QTest::newRow("redo New") << true << int(EditName::New)
                              << QStringList{"Z&novu Nový", "&Redo New", "&Wiederholen: Neu"};
    QTest::newRow("nothing to undo") << false << -1 << QStringList{"&Zpět", "&Undo", "&Rückgängig"};
    QTest::newRow("nothing to redo")
        << true << -1 << QStringList{"Z&novu", "&Redo", "&Wiederholen"};
}

void tst_Texts::undoItems() {
    QFETCH(bool, redo);
    QFETCH(int, edit);
    QFETCH(QStringList, texts);
    const auto name = edit < 0 ? std::nullopt : std::optional(EditName(edit));
    for (int language : {Czech, English, German})
        QCOMPARE(QString::fromStdString(undoItemText(redo, name, language)), texts[language]);
    QCOMPARE(undoItemText(redo, name, 3), std::string());
}

// Every edit has a name of its own in each language.
void tst_Texts::editNames() {
    for (int language : {Czech, English, German}) {
        std::set<std::string> names;
        for (int e = 0; e <= int(EditName::MapPaste); ++e)
            names.insert(editNameText(EditName(e), language));
        QCOMPARE(int(names.size()), int(EditName::MapPaste) + 1);
        QVERIFY(names.count(std::string()) == 0);
    }
    QCOMPARE(editNameText(EditName::Read, 3), std::string());
}

// Every port text exists in each language; the fix for a denied permission is the same
// command in all three.
void tst_Texts::portTexts() {
    const char* const find[] = {"&Najít jednotku", "&Find the unit", "Zündbox &suchen"};
    for (int language : {Czech, English, German}) {
        QCOMPARE(portText(PortText::FindUnit, language), std::string(find[language]));
        for (int t = 0; t <= int(PortText::WinDriverHint); ++t)
            QVERIFY(!portText(PortText(t), language).empty());
        QVERIFY(portText(PortText::PermissionDenied, language)
                    .find("\nsudo usermod -aG dialout $USER\n") != std::string::npos);
    }
    QCOMPARE(portText(PortText::FindUnit, 3), std::string());
}

#include "tst_texts.moc"
