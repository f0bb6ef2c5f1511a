// Costs of the main window's hot paths on the offscreen platform: show, read controls, and
// one tick idle, with a monitor packet that moves the map cursor, and with a packet that
// leaves it where it was. Prints median and 99th percentile in milliseconds.

#include "Measure.h"
#include "UnitPty.h"
#include "app/MainWindow.h"
#include "monitor/MonitorPacket.h"
#include "params/ParamDiff.h"
#include "session/Session.h"

#include <QApplication>
#include <QCheckBox>
#include <QTemporaryDir>
#include <array>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);

    UnitPty pty;
    if (!pty.ok())
        return 1;
    using namespace vortan;
    const auto window = mainwindow::make(QStringList{"ENGLISH"});
    QMainWindow& w = *window;
    Session& session = mainwindow::session(w);
    mainwindow::divertBoxes(w, [](const QString&, const QString&) {});
    mainwindow::usePort(w, pty.path());
    mainwindow::start(w);
    mainwindow::buildAllPages(w); // as after the tuner opened each page: the map's costs count
    w.findChild<QTimer*>("Timer1")->stop();
    w.show();
    QApplication::processEvents();
    // Throttle-dependent map on, so the cursor moves over rows as well.
    w.findChild<QCheckBox*>("CheckBoxTpsMapa")->click();
    const auto tick = [&] { mainwindow::tick(w); };
    const auto nothing = [] {};

    const int runs = 2000;
    // Show (the change handler's) alternates between two images that differ in every map cell
    // and in the map layout.
    const DeviceImage a = session.image();
    DeviceImage b = a;
    for (int i = Byte::ADVANCE; i < kImageSize; ++i)
        b[i] = static_cast<std::uint8_t>((b[i] + 7) % 61);
    b[Byte::TPS_MAPA] = 0;
    int flip = 0;
    const auto other = [&] { session.image() = (flip++ % 2) ? b : a; };
    const auto show = [&] { session.changeHandler(); };
    print("show (image -> controls), every cell changed", measure(200, other, show), 3.0);
    session.image() = a;
    show();
    const auto read = [&] { session.takeTyped(); };
    print("read controls (controls -> image)", measure(500, nothing, read), 1.0);

    // Idle: nothing waits; monitor requests go out every sixth tick as in the program.
    print("tick (a) idle", measure(runs, nothing, tick), 0.05);

    MonitorPacket p;
    p.tpsPercent = 30;
    int n = 0;
    auto feed = [&](bool move) {
        p.rpm = static_cast<std::uint16_t>(move ? 1000 + (n++ % 9) * 1000 : 4000);
        p.tpsPercent = static_cast<std::uint8_t>(move ? (n % 2 ? 5 : 60) : 30);
        pty.send(p, w);
    };
    const auto moving = [&] { feed(true); };
    const auto still = [&] { feed(false); };
    print("tick (b) packet waiting, cursor moves", measure(500, moving, tick), 0.5);
    print("tick (c) packet waiting, cursor unchanged", measure(500, still, tick), 0.1);
    print("tick (c') idle, cursor unchanged", measure(runs, nothing, tick), 0.1);

    // The difference report's rows: every compared parameter differs in the unit and in the
    // file, each named and valued three times (screen, unit, file).
    DeviceImage unit = a;
    DeviceImage file = a;
    for (int i = kPageSize; i < kImageSize; ++i) {
        unit[i] = static_cast<std::uint8_t>(a[i] + 1);
        file[i] = static_cast<std::uint8_t>(a[i] + 2);
    }
    const auto caption = [](const char* name) { return std::string(name); };
    std::size_t sink = 0;
    const std::array<const DeviceImage*, 3> sets{&a, &unit, &file};
    print("difference report, three-way, every parameter",
          measure(500, nothing,
                  [&] {
                      for (const ParamDifference& d : compareImages(a, unit, file)) {
                          sink += paramName(*d.param, a, 1, caption).size();
                          for (const DeviceImage* set : sets)
                              sink += paramValue(*d.param, *set, 1).size();
                      }
                  }),
          1.0);
    // A tick right after an edit: the counts in the status bar and the marks of the fields
    // that differ from the unit follow within it.
    session.operations().unitSeen = a;
    QTemporaryDir files;
    session.saveFile(files.filePath("a.ign")); // the file's set is the screen's
    int cell = 0;
    const auto edit = [&] { session.image()[Byte::ADVANCE + cell++ % 100] ^= 1; };
    print("tick after an edit: counts and marks", measure(500, edit, tick), 1.0);
    std::printf("(checksum %zu)\n", sink);
    // No close: Exit would ask to program the set the unit lacks.

    return 0;
}
