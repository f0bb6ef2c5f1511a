// The menu tree of the main window: items, captions, shortcuts, hints, ticks, bindings.

#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

using namespace vortan;

namespace {

// Receives the URLs the window asks the desktop to open.
class UrlSink : public QObject {
    Q_OBJECT
public:
    UrlSink() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~UrlSink() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

QStringList itemNames(const QMenu* menu) {
    QStringList r;
    for (const QAction* a : menu->actions())
        r << (a->isSeparator() ? "-" + a->objectName() : a->objectName());
    return r;
}

} // namespace

class tst_AppMenus : public QObject {
    Q_OBJECT

private slots:
    void menuBarOrder();
    void items_data();
    void items();
    void toolButtonHints_data();
    void toolButtonHints();
    void comTickFollowsPort();
    void itemsRunTheirCommands();
    void shortcutKeysRunCommands();
    void undoRedoKeys_data();
    void undoRedoKeys();
    void openFileIsOneEdit();
    void helpWithoutManual();
    void helpOpensManualOfLanguage_data();
    void helpOpensManualOfLanguage();
    void helpWithoutViewerSaysWhere_data();
    void helpWithoutViewerSaysWhere();
};

void tst_AppMenus::menuBarOrder() {
    ConfigHome home;
    Window w({}, false);
    QStringList menus;
    for (QAction* a : w->menuBar()->actions())
        menus << a->menu()->objectName();
    QCOMPARE(menus, QStringList({"MenuFile", "MenuEdit", "MenuCom", "MenuDevice", "MenuTools",
                                 "MenuLanguage", "MenuHelp"}));
    QCOMPARE(w->menuBar()->objectName(), QString("MainMenu1"));
    QCOMPARE(itemNames(w.get<QMenu>("MenuFile")),
             QStringList({"MenuNew", "-N3", "MenuOpen", "MenuCompareFile", "MenuRestorePoints",
                          "MenuReplayLog", "-N1", "MenuSave", "-N2", "MenuPrint", "MenuExportSheet",
                          "-N4", "MenuExit"}));
    QCOMPARE(itemNames(w.get<QMenu>("MenuEdit")), QStringList({"MenuUndo", "MenuRedo"}));
    QVERIFY(!w.get<QAction>("MenuUndo")->isEnabled());
    QVERIFY(!w.get<QAction>("MenuRedo")->isEnabled());
    QCOMPARE(w.get<QAction>("MenuRedo")->shortcuts(),
             QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    QStringList com;
    for (int n = 1; n <= 10; ++n)
        com << QString("MenuCom%1").arg(n);
    QCOMPARE(itemNames(w.get<QMenu>("MenuCom")), com << "-N5"
                                                     << "MenuPortSettings");
    QCOMPARE(itemNames(w.get<QMenu>("MenuDevice")),
             QStringList({"MenuRead", "MenuVerify", "MenuProgram", "-N6", "MenuCompareUnit", "-N7",
                          "MenuRecordLog"}));
    QCOMPARE(itemNames(w.get<QMenu>("MenuTools")), QStringList({"AdvanceMinus", "AdvancePlus"}));
    QCOMPARE(itemNames(w.get<QMenu>("MenuLanguage")),
             QStringList({"MenuEnglish", "MenuCzech", "MenuGerman"}));
    QCOMPARE(itemNames(w.get<QMenu>("MenuHelp")), QStringList({"MenuContens", "MenuAbout"}));
    // Design-time ticks, before the start-up sets them.
    QVERIFY(w.get<QAction>("MenuCom2")->isChecked());
    QVERIFY(w.get<QAction>("MenuEnglish")->isChecked());
}

void tst_AppMenus::items_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("hint");
    auto row = [](const char* n, const char* c, const char* k, const char* h) {
        QTest::newRow(n) << QString(n) << QString::fromUtf8(c) << QString(k) << QString(h);
    };
    row("MenuFile", "&File", "", "");
    row("MenuNew", "&New", "Ctrl+N", "New|Set default parametrs");
    row("MenuOpen", "&Open", "F3", "Open|Open file with parametrs");
    row("MenuCompareFile", "&Compare with file...", "",
        "Compare with file|Show how the parameters differ from those of a file");
    row("MenuSave", "&Save", "F2", "Save|Save parametrs to file");
    row("MenuPrint", "&Print", "Ctrl+P", "Print|Print parametrs");
    row("MenuExit", "E&xit", "", "Exit|End of program");
    row("MenuEdit", "&Edit", "", "");
    row("MenuUndo", "&Undo", "Ctrl+Z", "");
    row("MenuRedo", "&Redo", "Ctrl+Y", "");
    row("MenuCom", "&Com", "", "Com|Set number of com ");
    row("MenuCom1", "Com &1", "", "Com1|Set com 1");
    row("MenuCom2", "Com &2", "", "Com2| Set com 2");
    row("MenuCom3", "Com &3", "", "Com3|Set com 3");
    row("MenuCom4", "Com &4", "", "Com4|Set com 4");
    row("MenuCom5", "Com &5", "", "Com5|Set com 5");
    row("MenuCom6", "Com &6", "", "");
    row("MenuCom7", "Com &7", "", "");
    row("MenuCom8", "Com &8", "", "");
    row("MenuCom9", "Com &9", "", "");
    row("MenuCom10", "Com 1&0", "", "");
    row("MenuPortSettings", "Port &settings...", "",
        "Port settings|Choose the device of each port, find the unit");
    row("MenuDevice", "&Device", "", "");
    row("MenuRead", "&Read", "F7", "Read|Reading parametrs from ignition");
    row("MenuVerify", "&Verify", "F8", "Verify|Compare set parametrs  with parametrs of ignition");
    row("MenuProgram", "&Program", "F9", "Programing|Programing  set parametrs to ignition");
    row("MenuCompareUnit", "&Compare with unit", "Ctrl+D",
        "Compare with unit|Read the unit's parameters and show how they differ, without "
        "changing the set on screen");
    row("MenuRecordLog", "Record &log", "Ctrl+L",
        "Record log|Write the live values to a CSV file, a line per packet");
    row("MenuReplayLog", "Re&play log...", "",
        "Replay log|Play a recorded log through the monitor and the map");
    row("MenuTools", "&Tools", "", "");
    row("AdvanceMinus", "Advance -", "F4", "Curve A minus|Take off 1 degree of curve A");
    row("AdvancePlus", "Advance +", "F5", "Curve A plus|Add 1 degree of curve A");
    row("MenuLanguage", "&Language", "", "Language|Set English or Czech");
    row("MenuEnglish", "&English", "", "|Set Englich menu");
    row("MenuCzech", "&Czech", "", "|Set Czech menu");
    row("MenuGerman", "&German", "", "");
    row("MenuHelp", "&Help", "", "Not available jet");
    row("MenuContens", "&Contens", "F1", "");
    row("MenuAbout", "&About...", "", "");
}

void tst_AppMenus::items() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(QString, hint);
    ConfigHome home;
    Window w({}, false); // design-time state: no language applied yet
    QAction* a = nullptr;
    if (auto* menu = w->findChild<QMenu*>(name)) {
        a = menu->menuAction();
        QCOMPARE(menu->title(), caption);
    } else {
        a = w.get<QAction>(qPrintable(name));
    }
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->shortcut(), QKeySequence(shortcut));
    const int bar = hint.indexOf('|');
    QCOMPARE(a->statusTip(), bar < 0 ? hint : hint.mid(bar + 1));
    if (bar > 0 || (bar < 0 && !hint.isEmpty()))
        QCOMPARE(a->toolTip(), bar < 0 ? hint : hint.left(bar));
}

void tst_AppMenus::toolButtonHints_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::newRow("SpeedButton6") << "SpeedButton6"
                                  << "New|Set default parametrs";
    QTest::newRow("SpeedButton5") << "SpeedButton5"
                                  << "Open|Open file with parametrs";
    QTest::newRow("SpeedButton7") << "SpeedButton7"
                                  << "Save|Save parametrs to file";
    QTest::newRow("SpeedButtonPrint") << "SpeedButtonPrint"
                                      << "Print|Print parametrs";
    QTest::newRow("Button1") << "Button1"
                             << "Read|Reading parametrs from ignition";
    QTest::newRow("BitBtn2") << "BitBtn2"
                             << "Verify|Compare set parametrs  with parametrs of ignition";
    QTest::newRow("BitBtn1") << "BitBtn1"
                             << "Programing|Programing  set parametrs to ignition";
}

void tst_AppMenus::toolButtonHints() {
    QFETCH(QString, name);
    QFETCH(QString, hint);
    ConfigHome home;
    Window w({}, false);
    auto* b = w.get<QAbstractButton>(qPrintable(name));
    const int bar = hint.indexOf('|');
    QCOMPARE(b->toolTip(), hint.left(bar));
    QCOMPARE(b->statusTip(), hint.mid(bar + 1));
}

void tst_AppMenus::comTickFollowsPort() {
    ConfigHome home;
    QVERIFY(writeAll(home.iniPath(), "[FORM_HLAV]\nComPort=4\nLanguage=2\n"));
    Window w;
    for (int n = 1; n <= 10; ++n)
        QCOMPARE(w.get<QAction>(qPrintable(QString("MenuCom%1").arg(n)))->isChecked(), n == 4);
    QVERIFY(w.get<QAction>("MenuGerman")->isChecked());
    QVERIFY(!w.get<QAction>("MenuEnglish")->isChecked());
    QVERIFY(!w.get<QAction>("MenuCzech")->isChecked());
    // The port items keep their captions in every language.
    QCOMPARE(w.get<QAction>("MenuCom10")->text(), QString("Com 1&0"));
    w.get<QAction>("MenuCom10")->trigger();
    QCOMPARE(int(w.session().comPort()), 10);
    for (int n = 1; n <= 10; ++n)
        QCOMPARE(w.get<QAction>(qPrintable(QString("MenuCom%1").arg(n)))->isChecked(), n == 10);
}

void tst_AppMenus::itemsRunTheirCommands() {
    ConfigHome home;
    Window w;
    w.get<QCheckBox>("CheckBoxIgnAll")->setChecked(true);
    const DeviceImage start = w.session().image();
    w.get<QAction>("AdvancePlus")->trigger();
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            QCOMPARE(int(w.session().image().map(r, c)), std::min(60, start.map(r, c) + 1));
    w.get<QAction>("AdvanceMinus")->trigger();
    w.get<QAction>("AdvanceMinus")->trigger();
    QCOMPARE(int(w.session().image().map(0, 0)), std::max(0, start.map(0, 0) - 1));

    QVERIFY(w.session().saveFile(home.path("x.ign")));
    w.get<QAction>("MenuNew")->trigger();
    QVERIFY(w.session().image() == start);
    QVERIFY(w.get<QLabel>("LabelFile2")->text().isEmpty());

    w.get<QAction>("AdvancePlus")->trigger();
    w.get<QAbstractButton>("SpeedButton6")->click(); // the tool button runs New too
    QVERIFY(w.session().image() == start);

    w.boxes.clear();
    w.get<QAction>("MenuAbout")->trigger();
    QCOMPARE(w.boxes.size(), 1);
    w.get<QAction>("MenuCzech")->trigger();
    QCOMPARE(int(w.session().language()), int(Czech));
}

void tst_AppMenus::shortcutKeysRunCommands() {
    ConfigHome home;
    Window w;
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.w.get()))
        QSKIP("the window cannot become active on this platform");
    w.get<QCheckBox>("CheckBoxIgnAll")->setChecked(true);
    const DeviceImage start = w.session().image();
    QVERIFY(start.map(9, 9) > 0 && start.map(9, 9) < 60);
    QTest::keyClick(w.w.get(), Qt::Key_F5);
    QCOMPARE(int(w.session().image().map(9, 9)), start.map(9, 9) + 1);
    QTest::keyClick(w.w.get(), Qt::Key_F4);
    QTest::keyClick(w.w.get(), Qt::Key_F4);
    QCOMPARE(int(w.session().image().map(9, 9)), start.map(9, 9) - 1);
    QTest::keyClick(w.w.get(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(w.session().image() == start);
    w.boxes.clear();
    UrlSink sink;
    QTest::keyClick(w.w.get(), Qt::Key_F1);
    QVERIFY(w.boxes.isEmpty());
    QCOMPARE(sink.urls.size(), 1);
    w->hide();
}

// Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) undo and redo the last edit of the set wherever the focus
// is; the items name it in the current language. A field's own typing is undone first.
void tst_AppMenus::undoRedoKeys_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeySequence>("redoKey");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("undoText");
    QTest::newRow("field") << "EditOmez1" << QKeySequence("Ctrl+Y") << int(English)
                           << "&Undo Advance +";
    QTest::newRow("map cell") << "Edit149" << QKeySequence("Ctrl+Shift+Z") << int(Czech)
                              << "&Zpět Předstih +";
    QTest::newRow("check box") << "CheckBoxGas" << QKeySequence("Ctrl+Y") << int(German)
                               << "&Rückgängig: Vorzündung +";
}

void tst_AppMenus::undoRedoKeys() {
    QFETCH(QString, focus);
    QFETCH(QKeySequence, redoKey);
    QFETCH(int, language);
    ConfigHome home;
    Window w;
    chooseLanguage(*w.w, language);
    w->show();
    if (!QTest::qWaitForWindowActive(w.w.get()))
        QSKIP("the window cannot become active on this platform");
    auto* undo = w.get<QAction>("MenuUndo");
    auto* redo = w.get<QAction>("MenuRedo");
    QVERIFY(!undo->isEnabled());
    w.get<QCheckBox>("CheckBoxIgnAll")->setChecked(true);
    const DeviceImage start = w.session().image();
    QTest::keyClick(w.w.get(), Qt::Key_F5);
    const DeviceImage after = w.session().image();
    QTEST(undo->text(), "undoText");
    QVERIFY(undo->isEnabled() && !redo->isEnabled());

    auto* control = w.get<QWidget>(qPrintable(focus));
    control->setFocus();
    QTRY_VERIFY(control->hasFocus());
    if (auto* field = control->findChild<QLineEdit*>()) {
        const QString shown = field->text();
        QTest::keyClicks(control, "77");
        for (int i = 0; i < 3 && field->isUndoAvailable(); ++i)
            QTest::keySequence(control, QKeySequence("Ctrl+Z"));
        QCOMPARE(field->text(), shown);
        QVERIFY(w.session().image() == after);
    }
    QTest::keySequence(control, QKeySequence("Ctrl+Z"));
    QVERIFY(w.session().image() == start);
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    QTest::keySequence(control, redoKey);
    QVERIFY(w.session().image() == after);
    w->hide();
}

void tst_AppMenus::openFileIsOneEdit() {
    ConfigHome home;
    Window w({"ENGLISH"});
    QVERIFY(w.session().saveFile(home.path("defaults.ign")));
    w.get<QCheckBox>("CheckBoxIgnAll")->setChecked(true);
    w.get<QAction>("AdvancePlus")->trigger();
    const DeviceImage edited = w.session().image();
    QVERIFY(w.session().openFile(home.path("defaults.ign")));
    QVERIFY(w.session().image() != edited);
    auto* undo = w.get<QAction>("MenuUndo");
    QCOMPARE(undo->text(), QString("&Undo Open file"));
    undo->trigger();
    QVERIFY(w.session().image() == edited);
}

// Without a word-processor manual the HTML manual of the language opens (from the source
// tree's doc/ folder here).
void tst_AppMenus::helpWithoutManual() {
    UrlSink sink;
    ConfigHome home;
    Window w;
    for (const QString& dir : {QCoreApplication::applicationDirPath() + "/doc",
                               QCoreApplication::applicationDirPath() + "/../share/vortan2/doc"})
        if (QFileInfo::exists(dir))
            QSKIP("a manual folder is installed beside the tests");
    chooseLanguage(*w.w, German);
    w.boxes.clear();
    const DeviceImage image = w.session().image();
    w.get<QAction>("MenuContens")->trigger();
    QVERIFY(w.boxes.isEmpty());
    QCOMPARE(sink.urls.size(), 1);
    QCOMPARE(sink.urls.front().fileName(), QString("manual_de.html"));
    QVERIFY(QFileInfo::exists(sink.urls.front().toLocalFile()));
    QVERIFY(w.session().image() == image);
}

void tst_AppMenus::helpOpensManualOfLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    QTest::newRow("Czech") << int(Czech) << "Manual_Vortan15_cz.doc";
    QTest::newRow("English") << int(English) << "Manual_Vortan15_en.doc";
    QTest::newRow("German") << int(German) << "Manual_Vortan15_de.doc";
}

void tst_AppMenus::helpOpensManualOfLanguage() {
    QFETCH(int, language);
    QFETCH(QString, file);
    const QString dir = QCoreApplication::applicationDirPath() + "/doc";
    if (QFileInfo::exists(dir))
        QSKIP("a manual folder is installed beside the tests");
    UrlSink sink;
    ConfigHome home;
    Window w;
    QVERIFY(QDir().mkpath(dir));
    for (const char* name :
         {"Manual_Vortan15_cz.doc", "Manual_Vortan15_en.doc", "Manual_Vortan15_de.doc"})
        QVERIFY(writeAll(dir + '/' + name, "manual"));
    chooseLanguage(*w.w, language);
    w.boxes.clear();
    w.get<QAction>("MenuContens")->trigger();
    QDir(dir).removeRecursively();
    QCOMPARE(sink.urls.size(), 1);
    QCOMPARE(sink.urls.front().toLocalFile(), QDir(dir).absoluteFilePath(file));
    QVERIFY(w.boxes.isEmpty());
}

// Where no program of the desktop opens the manual (the offscreen platform has none), F1 says so
// in a box naming the manual's path, in the window's language.
void tst_AppMenus::helpWithoutViewerSaysWhere_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("opening");
    QTest::newRow("Czech") << "CESKY"
                           << "manual_cs.html" << QString::fromUtf8("Příručku nelze");
    QTest::newRow("English") << "ENGLISH"
                             << "manual_en.html"
                             << "The manual cannot";
    QTest::newRow("German") << "DEUTSCH"
                            << "manual_de.html"
                            << "Das Handbuch kann nicht";
}

void tst_AppMenus::helpWithoutViewerSaysWhere() {
    QFETCH(QString, argument);
    QFETCH(QString, file);
    QFETCH(QString, opening);
    if (QGuiApplication::platformName() != "offscreen")
        QSKIP("this platform may open the manual in a real program");
    const QString installed = QCoreApplication::applicationDirPath() + "/doc";
    if (QFileInfo::exists(installed))
        QSKIP("a manual folder is installed beside the tests");
    ConfigHome home;
    Window w({argument});
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.w.get()))
        QSKIP("the window cannot become active on this platform");
    w.boxes.clear();
    QTest::keyClick(w.w.get(), Qt::Key_F1);
    QCOMPARE(w.boxes.size(), 1);
    const QString box = w.boxes.front();
    QVERIFY2(box.startsWith(opening), qPrintable(box));
    const QString path = box.section('\n', -1);
    QCOMPARE(QFileInfo(path).fileName(), file);
    QVERIFY(QFileInfo(path).isAbsolute() && QFileInfo::exists(path));
    QVERIFY(!path.contains("/../"));
    w->hide();
}

QTEST_MAIN(tst_AppMenus)
#include "tst_appmenus.moc"
