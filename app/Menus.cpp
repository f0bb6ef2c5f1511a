// The menu bar of the main window: every item with its caption, shortcut, hint and handler.

#include "app/FormBuilder.h"

#include "app/LanguageView.h"
#include "params/Messages.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <utility>

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& title, const QString& hint = {}) {
    QMenu* m = bar->addMenu(title);
    m->setObjectName(name);
    m->menuAction()->setObjectName(QString(name) + "Action");
    if (!hint.isEmpty())
        vortan::LanguageView::setHint(m, hint);
    return m;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key,
                 const QString& hint) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!key.isEmpty())
        a->setShortcut(key);
    if (!hint.isEmpty())
        vortan::LanguageView::setHint(a, hint);
    return a;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(name);
}

} // namespace

namespace vortan {

void buildMenuBar(QMainWindow& window, const MenuCommands* commands) {
    // An item runs its command on the window; in a bare window (the start-up floor) nothing.
    auto on = [&window, commands](QAction* item, MenuCommands::Command MenuCommands::*command) {
        if (commands)
            QObject::connect(item, &QAction::triggered, &window, commands->*command);
    };
    QMenuBar* bar = window.menuBar();
    bar->setObjectName("MainMenu1");

    QMenu* file = addMenu(bar, "MenuFile", "&File");
    on(addItem(file, "MenuNew", "&New", QKeySequence("Ctrl+N"), "New|Set default parametrs"),
       &MenuCommands::newSet);
    addSeparator(file, "N3");
    on(addItem(file, "MenuOpen", "&Open", QKeySequence(Qt::Key_F3),
               "Open|Open file with parametrs"),
       &MenuCommands::open);
    on(addItem(file, "MenuCompareFile", "&Compare with file...", {},
               "Compare with file|Show how the parameters differ from those of a file"),
       &MenuCommands::compareFile);
    on(addItem(file, "MenuRestorePoints", "&Restore points...", {},
               "Restore points|Sets programmed into the unit and verified, newest first"),
       &MenuCommands::restorePoints);
    on(addItem(file, "MenuReplayLog", "Re&play log...", {},
               "Replay log|Play a recorded log through the monitor and the map"),
       &MenuCommands::replayLog);
    addSeparator(file, "N1");
    on(addItem(file, "MenuSave", "&Save", QKeySequence(Qt::Key_F2), "Save|Save parametrs to file"),
       &MenuCommands::save);
    addSeparator(file, "N2");
    on(addItem(file, "MenuPrint", "&Print", QKeySequence("Ctrl+P"), "Print|Print parametrs"),
       &MenuCommands::print);
    on(addItem(file, "MenuExportSheet", "&Export tune sheet (PDF)…", {},
               "Export tune sheet|Write every parameter on a sheet as a PDF file"),
       &MenuCommands::exportSheet);
    addSeparator(file, "N4");
    on(addItem(file, "MenuExit", "E&xit", {}, "Exit|End of program"), &MenuCommands::exit);

    // Undo and redo of the parameter set; the captions name the edit (app/SetStatusView.h).
    QMenu* edit = addMenu(bar, "MenuEdit", "&Edit");
    QAction* undo = addItem(edit, "MenuUndo", "&Undo", QKeySequence("Ctrl+Z"), "");
    QAction* redo = addItem(edit, "MenuRedo", "&Redo", {}, "");
    redo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    undo->setEnabled(false);
    redo->setEnabled(false);
    on(undo, &MenuCommands::undo);
    on(redo, &MenuCommands::redo);

    QMenu* com = addMenu(bar, "MenuCom", "&Com", "Com|Set number of com ");
    static const char* const kComHints[5] = {"Com1|Set com 1", "Com2| Set com 2", "Com3|Set com 3",
                                             "Com4|Set com 4", "Com5|Set com 5"};
    auto* ports = new QActionGroup(&window);
    for (int n = 1; n <= 10; ++n) {
        const QString caption = n < 10 ? QString("Com &%1").arg(n) : QString("Com 1&0");
        QAction* a = addItem(com, qPrintable(QString("MenuCom%1").arg(n)), caption, {},
                             n <= 5 ? kComHints[n - 1] : "");
        a->setCheckable(true);
        a->setChecked(n == 2);
        ports->addAction(a);
        if (commands)
            QObject::connect(a, &QAction::triggered, &window,
                             [port = commands->port, n] { port(n); });
    }
    addSeparator(com, "N5");
    on(addItem(com, "MenuPortSettings", "Port &settings...", {},
               "Port settings|Choose the device of each port, find the unit"),
       &MenuCommands::portSettings);

    QMenu* device = addMenu(bar, "MenuDevice", "&Device");
    on(addItem(device, "MenuRead", "&Read", QKeySequence(Qt::Key_F7),
               "Read|Reading parametrs from ignition"),
       &MenuCommands::read);
    on(addItem(device, "MenuVerify", "&Verify", QKeySequence(Qt::Key_F8),
               "Verify|Compare set parametrs  with parametrs of ignition"),
       &MenuCommands::verify);
    on(addItem(device, "MenuProgram", "&Program", QKeySequence(Qt::Key_F9),
               "Programing|Programing  set parametrs to ignition"),
       &MenuCommands::program);
    addSeparator(device, "N6");
    on(addItem(device, "MenuCompareUnit", "&Compare with unit", QKeySequence("Ctrl+D"),
               "Compare with unit|Read the unit's parameters and show how they differ, "
               "without changing the set on screen"),
       &MenuCommands::compareUnit);
    addSeparator(device, "N7");
    QAction* record = addItem(device, "MenuRecordLog", "Record &log", QKeySequence("Ctrl+L"),
                              "Record log|Write the live values to a CSV file, a line per packet");
    record->setCheckable(true);
    on(record, &MenuCommands::recordLog);

    QMenu* tools = addMenu(bar, "MenuTools", "&Tools");
    on(addItem(tools, "AdvanceMinus", "Advance -", QKeySequence(Qt::Key_F4),
               "Curve A minus|Take off 1 degree of curve A"),
       &MenuCommands::advanceMinus);
    on(addItem(tools, "AdvancePlus", "Advance +", QKeySequence(Qt::Key_F5),
               "Curve A plus|Add 1 degree of curve A"),
       &MenuCommands::advancePlus);

    QMenu* lang = addMenu(bar, "MenuLanguage", "&Language", "Language|Set English or Czech");
    auto* languages = new QActionGroup(&window);
    QAction* en = addItem(lang, "MenuEnglish", "&English", {}, "|Set Englich menu");
    QAction* cz = addItem(lang, "MenuCzech", "&Czech", {}, "|Set Czech menu");
    QAction* de = addItem(lang, "MenuGerman", "&German", {}, "");
    for (QAction* a : {en, cz, de}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    en->setChecked(true);
    const std::pair<QAction*, int> languageItems[] = {{en, English}, {cz, Czech}, {de, German}};
    for (const std::pair<QAction*, int>& item : languageItems)
        if (commands)
            QObject::connect(
                item.first, &QAction::triggered, &window,
                [choose = commands->language, language = item.second] { choose(language); });

    // Tool-bar buttons carry the hints of their menu items until a language replaces them.
    static const char* const kButtonHints[][2] = {
        {"SpeedButton6", "New|Set default parametrs"},
        {"SpeedButton5", "Open|Open file with parametrs"},
        {"SpeedButton7", "Save|Save parametrs to file"},
        {"SpeedButtonPrint", "Print|Print parametrs"},
        {"Button1", "Read|Reading parametrs from ignition"},
        {"BitBtn2", "Verify|Compare set parametrs  with parametrs of ignition"},
        {"BitBtn1", "Programing|Programing  set parametrs to ignition"}};
    for (const auto& [name, hint] : kButtonHints)
        if (QWidget* button = window.findChild<QWidget*>(name))
            vortan::LanguageView::setHint(button, hint);

    QMenu* help = addMenu(bar, "MenuHelp", "&Help", "Not available jet");
    on(addItem(help, "MenuContens", "&Contens", QKeySequence(Qt::Key_F1), ""),
       &MenuCommands::contents);
    on(addItem(help, "MenuAbout", "&About...", {}, ""), &MenuCommands::about);
}

} // namespace vortan
