// Costs of editing the advance map on the offscreen platform: an operation on all 100 cells
// with the change handler and the redraw of the cells, their colours and the curves, and
// the tick with the colours on. Prints median and 99th percentile in milliseconds.

#include "Measure.h"
#include "app/Hlav.h"
#include "app/MapEditing.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

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

    TFormHlav w(QStringList{"ENGLISH"});
    vortan::mainwindow::divertBoxes(w, [](const QString&, const QString&) {});
    w.FormCreate();
    w.ensureAllPages(); // as after the tuner opened each page: the map's costs count
    w.findChild<QTimer*>("Timer1")->stop();
    w.show();
    w.session().image()[vortan::Byte::TPS_MAPA] = 1;
    w.ShowImage();
    w.findChild<QCheckBox*>("CheckBoxMapColours")->setChecked(true);
    w.findChild<QCheckBox*>("CheckBoxMapCurves")->setChecked(true);
    QApplication::processEvents();
    vortan::MapEditing& editing = w.mapEditing();
    editing.selectAll();
    vortan::MonitorPacket shown;
    shown.rpm = 5000;
    shown.tpsPercent = 30;
    w.session().setShownPacket(shown);
    w.Timer1Timer();

    int flip = 0;
    print("map operation on 100 cells (colours, curves)",
          measure(
              300, [] {}, [&] { editing.raise((flip++ % 2) ? -1 : +1); }),
          5.0);
    print("map operation on 100 cells, painted",
          measure(
              300, [] {},
              [&] {
                  editing.raise((flip++ % 2) ? -1 : +1);
                  QApplication::processEvents();
              }),
          5.0);
    int n = 0;
    print("tick, colours on, cursor moves",
          measure(
              1000,
              [&] {
                  ++n;
                  shown.rpm = static_cast<std::uint16_t>(1000 + (n % 9) * 1000);
                  shown.tpsPercent = static_cast<std::uint8_t>(n % 2 ? 5 : 60);
                  w.session().setShownPacket(shown);
              },
              [&] { w.Timer1Timer(); }),
          0.5);
    print("tick, colours on, cursor unchanged",
          measure(
              1000, [] {}, [&] { w.Timer1Timer(); }),
          0.1);
    w.close();
    return 0;
}
