#pragma once
// A main window started in a settings folder of its own, with its message boxes recorded
// instead of shown, and a pseudo-terminal to stand for a serial port.

#include "lang/Texts.h"
#include "link/SerialLink.h"
#include "window/TestWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <memory>
#include <stdlib.h>
#include <unistd.h>

// $XDG_CONFIG_HOME points at a fresh folder while this lives.
struct ConfigHome {
    QTemporaryDir dir;
    ConfigHome() {
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        QDir().mkpath(folder());
    }
    QString folder() const { return dir.path() + "/Vortan2"; }
    QString iniPath() const { return folder() + "/Vortan2.ini"; }
    QString imagePath() const { return folder() + "/_Vortan2.ini"; }
    QString path(const QString& name) const { return dir.filePath(name); }
};

// A pseudo-terminal whose slave side opens like a serial port.
struct Pty {
    int master = -1;
    QString slave;
    Pty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
            slave = QString::fromLocal8Bit(::ptsname(master));
    }
    ~Pty() {
        if (master >= 0)
            ::close(master);
    }
};

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A made window, started unless `start` is false, with the timer stopped, so that tests drive
// the ticks themselves.
struct Window {
    QStringList boxes;
    QStringList informative; // of each box in `boxes`
    std::unique_ptr<QMainWindow> w;

    explicit Window(const QStringList& arguments = {}, bool start = true) {
        using namespace vortan::mainwindow;
        w = make(arguments);
        // Never the machine's own serial ports: unless the test maps them in [PORTS], a path
        // that does not exist.
        const QString ini = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Vortan2/Vortan2.ini";
        if (!QFileInfo(ini).isFile() || !readAll(ini).contains("[PORTS]"))
            usePort(*w, QDir::temp().filePath("vortan2-test-no-such-port"));
        divertBoxes(*w, [this](const QString& text, const QString& more) {
            boxes << text;
            informative << more;
        });
        if (start) {
            vortan::mainwindow::start(*w);
            buildAllPages(*w); // the suites read controls of every page
            get<QTimer>("Timer1")->stop();
        }
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    QMainWindow* operator->() const { return w.get(); }
    template <typename T> T* get(const char* name) const { return find<T>(*w, name); }
    vortan::Session& session() const { return ::session(*w); }
    // The boxes other than the port's, which depends on the machine's serial ports.
    QStringList fileBoxes() const {
        QStringList r = boxes;
        r.removeAll(QString::fromLatin1(vortan::kComOpeningError));
        return r;
    }
};
