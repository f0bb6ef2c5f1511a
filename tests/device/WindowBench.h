#pragma once
// The main window wired to a simulated unit on a pseudo-terminal. The window's timer is
// stopped; each tick() runs one timer step, lets the unit answer and waits (on the port, not
// by sleeping) for the answer to arrive, so a run is the same on every machine.

#include "DialogAnswers.h"
#include "app/MainWindow.h"
#include "controls/CGauge.h"
#include "controls/ParamSpinBox.h"
#include "files/ParamFile.h"
#include "link/SerialLink.h"
#include "monitor/MonitorPacket.h"
#include "session/Session.h"
#include "sim/SimUnit.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <vector>

namespace devtest {

using namespace vortan;

const QColor kRed(0xFF, 0x00, 0x00);
const QColor kLime(0x00, 0xFF, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);

struct WindowBench {
    QTemporaryDir config; // settings and last-image files of this run only
    SimUnit sim;
    std::unique_ptr<QMainWindow> w;
    QStringList boxes;       // texts of the modal boxes, in order
    QStringList informative; // of each box in `boxes`
    int ticks = 0;

    explicit WindowBench(const SimSwitches& switches = {}, const QStringList& args = {"ENGLISH"}) {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qputenv("APPDATA", config.path().toLocal8Bit()); // the settings folder on Windows
        sim.setSwitches(switches);
        if (!sim.start())
            return;
        w = mainwindow::make(args);
        mainwindow::usePort(*w, QString::fromStdString(sim.devicePath()));
        mainwindow::divertBoxes(*w, [this](const QString& text, const QString& more) {
            boxes << text;
            informative << more;
        });
        mainwindow::start(*w);
        mainwindow::buildAllPages(*w); // the suites read controls of every page
        w->findChild<QTimer*>("Timer1")->stop();
    }
    bool ok() const { return w && link().isOpen() && boxes.isEmpty(); }
    Session& session() const { return mainwindow::session(*w); }
    SerialLink& link() const { return mainwindow::link(*w); }
    bool closed() const { return mainwindow::closed(*w); }
    std::uint8_t operation() const { return session().operations().operation; }
    // The unit holds the screen's pages 1 and 2, so a verify has something to agree with.
    void unitHoldsScreenSet() {
        DeviceImage u = sim.image();
        std::copy(session().image().page(1), session().image().page(1) + 2 * kPageSize, u.page(1));
        sim.setImage(u);
    }

    // Lets the unit read what the window wrote and waits for its answer.
    void settle() {
        QCoreApplication::processEvents(); // hands a queued monitor request to the line
        const int before = link().bytesWaiting();
        const int written = sim.pump();
        if (written <= 0)
            return;
        const int target = before + written;
        const QDeadlineTimer deadline(3000);
        while (!deadline.hasExpired()) {
            QCoreApplication::processEvents();
            if (link().bytesWaiting() >= target || link().waitForBytes(target, 20))
                break;
        }
    }
    void tick() {
        ++ticks;
        mainwindow::tick(*w);
        settle();
    }
    // Ticks until the running operation has ended; false if it never does.
    bool run(int limit = 200) {
        for (int i = 0; i < limit && operation() != DeviceOperations::Idle; ++i)
            tick();
        return operation() == DeviceOperations::Idle;
    }

    // What the tuner does: a menu item clicked, a language chosen (0 Czech, 1 English,
    // 2 German), a value typed and committed with Enter (or left typed), a file opened.
    void trigger(const char* item) const { find<QAction>(item)->trigger(); }
    void click(const char* button) const {
        QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton);
    }
    void language(int language) const {
        trigger(language == 0 ? "MenuCzech" : language == 1 ? "MenuEnglish" : "MenuGerman");
    }
    void type(const QString& field, const QString& text, bool commit = true) const {
        ParamSpinBox* e = edit(field);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
        if (commit)
            QTest::keyClick(e, Qt::Key_Return);
    }
    bool openSet(const DeviceImage& set) {
        QFile f(config.filePath("set.ign"));
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray::fromStdString(writeParamFile(set, false, "\n")));
        f.close();
        return session().openFile(f.fileName());
    }
    // File › Replay log of `path`: true when it plays.
    bool replay(const QString& path) {
        answerFileDialog(path);
        trigger("MenuReplayLog");
        return shown("PanelReplay");
    }

    // Requests other than monitor requests, as the unit received them.
    std::vector<std::uint8_t> operationRequests() const {
        std::vector<std::uint8_t> out;
        for (const SimReceived& r : sim.received())
            if (r.command != Command::Monitor)
                out.push_back(r.command);
        return out;
    }
    int requestsOf(std::uint8_t command) const {
        int n = 0;
        for (const SimReceived& r : sim.received())
            n += r.command == command;
        return n;
    }

    template <typename T> T* find(const QString& name) const { return w->findChild<T*>(name); }
    QLabel* label(const QString& name) const { return find<QLabel>(name); }
    ParamSpinBox* edit(const QString& name) const { return find<ParamSpinBox>(name); }
    QCheckBox* check(const QString& name) const { return find<QCheckBox>(name); }
    TCGauge* gauge(const QString& name) const { return find<TCGauge>(name); }
    QString message() const { return label("LabelHlaseni")->text(); }
    QString counts() const { return label("LabelUnsaved")->text(); } // of the changes
    QColor messageColour() const {
        return label("LabelHlaseni")->palette().color(QPalette::Window);
    }
    bool shown(const QString& name) const {
        const QWidget* widget = find<QWidget>(name);
        return widget && widget->isVisibleTo(w.get());
    }

    // A monitor packet taken as the tick's drain takes one, then a tick that marks its map
    // cell. A reply of the unit still waiting would come first: it is dropped.
    void feed(const MonitorPacket& p) {
        link().drain();
        session().takeMonitorFrame(encodeMonitorPacket(p).data());
        mainwindow::tick(*w);
    }
};

// A monitor packet at `rpm` and `percent` throttle, everything else quiet.
inline MonitorPacket packet(int rpm, int percent) {
    MonitorPacket p;
    p.rpm = static_cast<std::uint16_t>(rpm);
    p.tpsPercent = static_cast<std::uint8_t>(percent);
    return p;
}

// The smallest raw throttle reading that converts to `millivolts`.
inline std::uint16_t rawFor(int millivolts) {
    return static_cast<std::uint16_t>((millivolts * 8184 + 4999) / 5000);
}

inline bool samePages12(const DeviceImage& a, const DeviceImage& b) {
    return std::equal(a.page(1), a.page(1) + 2 * kPageSize, b.page(1));
}

inline QString mapCellName(int row, int column) {
    return QString("Edit%1").arg(50 + 10 * row + column);
}

} // namespace devtest
