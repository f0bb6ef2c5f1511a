#pragma once
// A main window on a private settings folder, started and with its timer stopped, so that
// a test drives the ticks itself and never touches the developer's own settings.

#include "app/Hlav.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

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

    // Constructs and starts the window; files may be placed in folder() before this.
    // `allPages`: the pages after the first built too, as once the tuner has opened them.
    TFormHlav& start(bool allPages = true) {
        w = std::make_unique<TFormHlav>(arguments_);
        vortan::mainwindow::divertBoxes(
            *w, [this](const QString& text, const QString&) { boxes.append(text); });
        w->FormCreate();
        if (allPages)
            w->ensureAllPages(); // as after the tuner opened each page
        w->findChild<QTimer*>("Timer1")->stop();
        return *w;
    }

    QString folder() const { return config.path() + "/Vortan2"; }
    void writeFile(const QString& name, const QByteArray& text) const {
        QFile f(folder() + "/" + name);
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }

    QTemporaryDir config;
    QStringList boxes;
    std::unique_ptr<TFormHlav> w;

private:
    QStringList arguments_;
};
