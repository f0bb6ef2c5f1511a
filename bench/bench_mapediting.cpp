// Costs of editing the advance map on the offscreen platform: an operation on all 100 cells
// (a key) with the change handler and the redraw of the cells, their colours and the curves,
// and the tick with the colours on. Prints median and 99th percentile in milliseconds.

#include "Measure.h"
#include "app/MainWindow.h"
#include "session/Session.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // No port: the settings name none, so nothing waits on a device.
    QDir().mkpath(config.path() + "/Vortan2");
    QFile ini(config.path() + "/Vortan2/Vortan2.ini");
    ini.open(QIODevice::WriteOnly);
    ini.write("[FORM_HLAV]\nComPort=0\n");
    ini.close();
    QApplication app(argc, argv);

    using namespace vortan;
    const auto window = mainwindow::make(QStringList{"ENGLISH"});
    QMainWindow& w = *window;
    mainwindow::divertBoxes(w, [](const QString&, const QString&) {});
    mainwindow::start(w);
    mainwindow::buildAllPages(w); // as after the tuner opened each page: the map's costs count
    w.findChild<QTimer*>("Timer1")->stop();
    w.show();
    w.findChild<QCheckBox*>("CheckBoxTpsMapa")->click(); // the throttle map on
    w.findChild<QCheckBox*>("CheckBoxMapColours")->setChecked(true);
    w.findChild<QCheckBox*>("CheckBoxMapCurves")->setChecked(true);
    QApplication::processEvents();
    // Keys on a cell of the map: Ctrl+Shift+A selects every cell, + and - raise and lower them.
    auto key = [cell = w.findChild<QWidget*>("Edit50")](int code, Qt::KeyboardModifiers modifiers,
                                                        const QString& text) {
        QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
        QApplication::sendEvent(cell, &press);
    };
    key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, {});
    MonitorPacket shown;
    shown.rpm = 5000;
    shown.tpsPercent = 30;
    mainwindow::session(w).setShownPacket(shown);
    const auto tick = [&] { mainwindow::tick(w); };
    const auto nothing = [] {};
    tick();

    int flip = 0;
    auto raise = [&] { flip++ % 2 ? key(Qt::Key_Minus, {}, "-") : key(Qt::Key_Plus, {}, "+"); };
    print("map operation on 100 cells (colours, curves)", measure(300, nothing, raise), 5.0);
    print("map operation on 100 cells, painted",
          measure(300, nothing,
                  [&] {
                      raise();
                      QApplication::processEvents();
                  }),
          5.0);
    int n = 0;
    auto move = [&] {
        ++n;
        shown.rpm = static_cast<std::uint16_t>(1000 + (n % 9) * 1000);
        shown.tpsPercent = static_cast<std::uint8_t>(n % 2 ? 5 : 60);
        mainwindow::session(w).setShownPacket(shown);
    };
    print("tick, colours on, cursor moves", measure(1000, move, tick), 0.5);
    print("tick, colours on, cursor unchanged", measure(1000, nothing, tick), 0.1);
    w.close();
    return 0;
}
