#pragma once
// A main window on a private settings folder, started and with its timer stopped, so that
// a test drives the ticks itself and never touches the developer's own settings. The window
// is reached as the tuner reaches it: its controls and menu items by objectName, its dialogs
// answered as they open, and the session it shows.

#include "app/MainWindow.h"
#include "params/Edits.h"
#include "session/Session.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// The child `name` of `root`; the run stops where there is none.
template <typename T> T* find(const QObject& root, const QString& name) {
    T* c = root.findChild<T*>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

inline vortan::Session& session(QMainWindow& w) {
    return vortan::mainwindow::session(w);
}

// The language menu's item of `language` (0 Czech, 1 English, 2 German), clicked.
inline void chooseLanguage(QMainWindow& w, int language) {
    static const char* const kItems[] = {"MenuCzech", "MenuEnglish", "MenuGerman"};
    find<QAction>(w, kItems[language])->trigger();
}

// Page `index` brought to the front as the tuner clicks its tab; true when it is in front.
inline bool openPage(QMainWindow& w, int index) {
    auto* tabs = find<QTabWidget>(w, "PageControl1");
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
    return tabs->currentIndex() == index;
}

// The window shown and active, the map page in front and the throttle map ticked or not, as
// the tuner brings them; false where that cannot be.
inline bool showMapPage(QMainWindow& w, bool throttleMap) {
    w.show();
    if (!QTest::qWaitForWindowActive(&w) || !openPage(w, 1))
        return false;
    auto* tps = find<QCheckBox>(w, "CheckBoxTpsMapa");
    if (tps->isChecked() != throttleMap)
        QTest::mouseClick(tps, Qt::LeftButton, {}, QPoint(8, tps->height() / 2));
    return tps->isChecked() == throttleMap;
}

// `set` taken as one edit and shown, as a set opened from a file comes.
inline void showSet(QMainWindow& w, const vortan::DeviceImage& set) {
    session(w).change(vortan::valuesEdit(vortan::EditName::OpenFile, set),
                      vortan::SetCommand::ChangeValues, false);
}

// The unit's set as last seen is `unit`, and a comparison with it has ended: the report opens.
inline void compareWithUnit(QMainWindow& w, const vortan::DeviceImage& unit) {
    session(w).operations().unitSeen = unit;
    emit session(w).comparisonReady();
}

// `answer` is given the modal dialog the next command opens, once it is up.
inline void onNextDialog(std::function<void(QWidget&)> answer) {
    QTimer::singleShot(0, [answer] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            answer(*dialog);
    });
}

// The file dialog the next command opens answered with `path`, typed as the tuner types it,
// after `first` (other fields of the dialog).
inline void answerFileDialog(const QString& path, std::function<void(QWidget&)> first = {}) {
    onNextDialog([path, first](QWidget& dialog) {
        if (first)
            first(dialog);
        auto* name = find<QLineEdit>(dialog, "fileNameEdit");
        // In the field, as the tuner types: a file the text names is not put in its place.
        if (QTest::qWaitForWindowActive(&dialog))
            name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, path);
        if (QWidget* completions = QApplication::activePopupWidget())
            QTest::keyClick(completions, Qt::Key_Escape);
        const bool save =
            qobject_cast<QFileDialog*>(&dialog)->acceptMode() == QFileDialog::AcceptSave;
        QTest::mouseClick(find<QDialogButtonBox>(dialog, "buttonBox")
                              ->button(save ? QDialogButtonBox::Save : QDialogButtonBox::Open),
                          Qt::LeftButton);
        if (QApplication::activeModalWidget() == &dialog)
            qobject_cast<QDialog*>(&dialog)->reject(); // never left waiting for a hand
    });
}

class TestWindow {
public:
    // `settings` is written to Vortan2.ini before the window exists; null writes none.
    // Unless the text names COM ports itself, COM1 is pointed at a path that cannot
    // open, so the port error is the same on every machine.
    explicit TestWindow(const QStringList& arguments = {}, const char* settings = "[FORM_HLAV]\n") {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qputenv("APPDATA", config.path().toLocal8Bit()); // the settings folder on Windows
        QDir().mkpath(folder());
        if (settings) {
            QByteArray text(settings);
            if (!text.contains("[PORTS]"))
                text += "\n[PORTS]\nCOM1=" + config.filePath("no-such-port").toLocal8Bit() + "\n";
            writeFile("Vortan2.ini", text);
        }
        arguments_ = arguments;
    }

    // Makes and starts the window; files may be placed in folder() before this.
    // `allPages`: the pages after the first built too, as once the tuner has opened them.
    QMainWindow& start(bool allPages = true) {
        using namespace vortan::mainwindow;
        w = make(arguments_);
        divertBoxes(*w, [this](const QString& text, const QString&) { boxes.append(text); });
        vortan::mainwindow::start(*w);
        if (allPages)
            buildAllPages(*w);
        find<QTimer>(*w, "Timer1")->stop();
        return *w;
    }
    vortan::Session& session() const { return ::session(*w); }

    QString folder() const { return config.path() + "/Vortan2"; }
    void writeFile(const QString& name, const QByteArray& text) const {
        QFile f(folder() + "/" + name);
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }

    QTemporaryDir config;
    QStringList boxes;
    std::unique_ptr<QMainWindow> w;

private:
    QStringList arguments_;
};
