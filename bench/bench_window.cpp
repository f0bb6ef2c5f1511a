// Costs of the main window's hot paths on the offscreen platform: show, read controls, and
// one Timer1Timer idle, with a monitor packet that moves the map cursor, and with a packet
// that leaves it where it was. Prints median and 99th percentile in milliseconds.

#include "Measure.h"
#include "UnitPty.h"
#include "app/Hlav.h"
#include "monitor/MonitorPacket.h"
#include "params/ParamDiff.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);

    UnitPty pty;
    if (!pty.ok())
        return 1;
    TFormHlav w(QStringList{"ENGLISH"});
    vortan::mainwindow::divertBoxes(w, [](const QString&, const QString&) {});
    w.setPortOverride(pty.path());
    w.FormCreate();
    w.ensureAllPages(); // as after the tuner opened each page: the map's costs count
    w.findChild<QTimer*>("Timer1")->stop();
    w.show();
    QApplication::processEvents();
    // Throttle-dependent map on, so the cursor moves over rows as well.
    w.session().image()[vortan::Byte::TPS_MAPA] = 1;
    w.ShowImage();

    const int runs = 2000;
    // Show alternates between two images that differ in every map cell and in the map layout.
    const vortan::DeviceImage a = w.session().image();
    vortan::DeviceImage b = a;
    for (int i = vortan::Byte::ADVANCE; i < vortan::kImageSize; ++i)
        b[i] = static_cast<std::uint8_t>((b[i] + 7) % 61);
    b[vortan::Byte::TPS_MAPA] = 0;
    int flip = 0;
    print("show (image -> controls), every cell changed",
          measure(
              200, [&] { w.session().image() = (flip++ % 2) ? b : a; }, [&] { w.ShowImage(); }),
          3.0);
    w.session().image() = a;
    w.ShowImage();
    print("read controls (controls -> image)",
          measure(
              500, [] {}, [&] { w.ReadControls(); }),
          1.0);

    // Idle: nothing waits; monitor requests go out every sixth tick as in the program.
    print("tick (a) idle",
          measure(
              runs, [] {}, [&] { w.Timer1Timer(); }),
          0.05);

    vortan::MonitorPacket p;
    p.tpsPercent = 30;
    int n = 0;
    auto feed = [&](bool move) {
        p.rpm = static_cast<std::uint16_t>(move ? 1000 + (n++ % 9) * 1000 : 4000);
        p.tpsPercent = static_cast<std::uint8_t>(move ? (n % 2 ? 5 : 60) : 30);
        pty.send(p, w);
    };
    print("tick (b) packet waiting, cursor moves",
          measure(
              500, [&] { feed(true); }, [&] { w.Timer1Timer(); }),
          0.5);
    print("tick (c) packet waiting, cursor unchanged",
          measure(
              500, [&] { feed(false); }, [&] { w.Timer1Timer(); }),
          0.1);
    print("tick (c') idle, cursor unchanged",
          measure(
              runs, [] {}, [&] { w.Timer1Timer(); }),
          0.1);

    // The difference report's rows: every compared parameter differs in the unit and in the
    // file, each named and valued three times (screen, unit, file).
    vortan::DeviceImage unit = a;
    vortan::DeviceImage file = a;
    for (int i = vortan::kPageSize; i < vortan::kImageSize; ++i) {
        unit[i] = static_cast<std::uint8_t>(a[i] + 1);
        file[i] = static_cast<std::uint8_t>(a[i] + 2);
    }
    const auto caption = [](const char* name) { return std::string(name); };
    std::size_t sink = 0;
    const std::array<const vortan::DeviceImage*, 3> sets{&a, &unit, &file};
    print("difference report, three-way, every parameter",
          measure(
              500, [] {},
              [&] {
                  for (const vortan::ParamDifference& d : vortan::compareImages(a, unit, file)) {
                      sink += vortan::paramName(*d.param, a, 1, caption).size();
                      for (const vortan::DeviceImage* set : sets)
                          sink += vortan::paramValue(*d.param, *set, 1).size();
                  }
              }),
          1.0);
    // A tick right after an edit: the counts in the status bar and the marks of the fields
    // that differ from the unit follow within it.
    w.session().operations().unitSeen = a;
    QTemporaryDir files;
    w.session().saveFile(files.filePath("a.ign")); // the file's set is the screen's
    int cell = 0;
    print("tick after an edit: counts and marks",
          measure(
              500,
              [&] {
                  w.session().image()[vortan::Byte::ADVANCE + cell % 100] ^= 1;
                  ++cell;
              },
              [&] { w.Timer1Timer(); }),
          1.0);
    std::printf("(checksum %zu)\n", sink);
    w.FormClose(); // the close itself: Exit would ask to program the set the unit lacks

    return 0;
}
