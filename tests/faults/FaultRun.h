#pragma once
// Runs complete device operations through the main window against a misbehaving simulated
// unit and judges how each one ended: "Verify OK" only when the unit really holds the
// window's pages 1 and 2 and the screen shows them, a red failure or a refusal box
// otherwise, never a hang.

#include "../device/WindowBench.h"
#include "app/ParamView.h"
#include "lang/Texts.h"
#include "window/TestWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

#include <random>
#include <vector>

namespace faults {

using namespace devtest;

enum Op { ProgramOp, ReadOp, VerifyOp, ChangeOp };
inline const char* opName(int op) {
    static const char* names[] = {"program", "read", "verify", "program-after-change"};
    return names[op];
}

// Counts over the whole suite.
struct Tally {
    long operations = 0;
    long faults = 0;
    long falseSuccesses = 0;
    long hangs = 0;
    long unexplained = 0; // ended with no result message and no box
};

enum class Ending { Success, Failure, Refusal, Hang, Unexplained };
inline const char* endingName(Ending e) {
    static const char* names[] = {"success", "failure", "refusal", "hang", "unexplained"};
    return names[int(e)];
}

// The first position at which pages 1 and 2 of the two images differ, -1 if none. Byte 101
// is reserved (the unit's own) and byte 102 (RPM2) the unit may change.
inline int firstDifference(const DeviceImage& unit, const DeviceImage& window) {
    for (int i = kPageSize; i < kImageSize; ++i)
        if (i != Byte::Reserved && i != Byte::RPM2 && unit[i] != window[i])
            return i;
    return -1;
}
inline bool unitHolds(const DeviceImage& unit, const DeviceImage& window) {
    return firstDifference(unit, window) < 0;
}

// What the screen shows: the window's controls read back into a copy of its set. Bytes
// that no control shows keep their value.
inline DeviceImage screenImage(QMainWindow& w) {
    DeviceImage screen = session(w).image();
    ParamView(&w).read(screen);
    return screen;
}

inline bool writesPages12(const std::vector<SimReceived>& requests) {
    for (const SimReceived& r : requests)
        if (r.command == Command::Program + 1 || r.command == Command::Program + 2)
            return true;
    return false;
}

class FaultRun {
public:
    // A set a faulty read left on screen may hold values outside their ranges: the tuner
    // programs them anyway, so the operations run as they would with a set in range.
    FaultRun(WindowBench& bench, unsigned seed) : b(bench), rng(seed) {
        programAnyway.setInterval(10);
        QObject::connect(&programAnyway, &QTimer::timeout, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->objectName() != QLatin1String("BoxProgramOutOfRange"))
                return;
            for (QAbstractButton* button : box->buttons())
                if (box->buttonRole(button) == QMessageBox::AcceptRole)
                    button->click();
        });
        programAnyway.start();
    }

    // One timer step: the window ticks, the unit answers and the answer is awaited on the
    // port. While the link is down a step takes its real 55 ms (or `lostStepMs`), so the
    // link's own reopening timer runs as it does in the program.
    void step() {
        ++b.ticks;
        vortan::mainwindow::tick(*b.w);
        QCoreApplication::processEvents();
        SerialLink& link = vortan::mainwindow::link(*b.w);
        const int before = link.bytesWaiting();
        const int written = b.sim.pump();
        const QDeadlineTimer deadline(1000);
        while (written > 0 && link.isOpen() && !link.isLost() && !deadline.hasExpired() &&
               !link.waitForBytes(before + written, 20))
            QCoreApplication::processEvents();
        if (link.isLost() || !link.isOpen()) {
            QEventLoop loop;
            QTimer::singleShot(lostStepMs, &loop, &QEventLoop::quit);
            QObject::connect(&link, &SerialLink::linkRestored, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    // New values within their ranges, from the window's set; the motorbike type stays.
    DeviceImage randomSet() {
        DeviceImage im = session(*b.w).image();
        im[Byte::LIMITER1] = std::uint8_t(pick(10, 250));
        im[Byte::LIMITER2] = std::uint8_t(pick(10, 250));
        im[Byte::CLUTCH] = std::uint8_t(pick(0, 100));
        im[Byte::LED_RAZENI] = std::uint8_t(pick(10, 250));
        im[Byte::NAP_PRIV + pick(0, 9)] = std::uint8_t(pick(1, 249));
        for (int i = 0; i < 12; ++i)
            im.map(pick(0, 9), pick(0, 9)) = std::uint8_t(pick(0, 60));
        normalise(im);
        return im;
    }
    // In the window's fields as the tuner leaves them typed: the next operation takes them.
    void typeIntoWindow(const DeviceImage& set) {
        ParamView(b.w.get()).show(set, session(*b.w).language());
    }
    void copyToUnit(const DeviceImage& set) {
        DeviceImage u = b.sim.image();
        std::copy(set.page(1), set.page(1) + 2 * kPageSize, u.page(1));
        b.sim.setImage(u);
    }
    void click(const char* item) { find<QAction>(*b.w, item)->trigger(); }

    // Prepares and starts `op`; false if it did not start.
    bool start(int op) {
        switch (op) {
        case ProgramOp:
            typeIntoWindow(randomSet());
            click("MenuProgram");
            break;
        case ReadOp: // the unit holds a set of its own
            copyToUnit(randomSet());
            click("MenuRead");
            break;
        case VerifyOp: {
            const DeviceImage set = randomSet();
            typeIntoWindow(set);
            if (pick(0, 1))
                copyToUnit(set);
            click("MenuVerify");
            break;
        }
        case ChangeOp: {
            QCheckBox* box = b.check("CheckBoxProgHned");
            if (!box->isChecked()) {
                box->click(); // ticking it programs at once
                break;
            }
            const int row = pick(0, 9), column = pick(0, 9);
            ParamSpinBox* cell = b.edit(mapCellName(row, column));
            cell->selectAll();
            QTest::keyClicks(cell, QString::number((cell->value() + pick(1, 60)) % 61));
            QTest::keyClick(cell, Qt::Key_Return);
            break;
        }
        }
        // A program after a change with values out of range starts once its box is answered.
        QCoreApplication::processEvents();
        return session(*b.w).operations().operation != DeviceOperations::Idle;
    }

    Ending finish(int limit) {
        for (int i = 0; i < limit && session(*b.w).operations().operation != DeviceOperations::Idle;
             ++i)
            step();
        if (session(*b.w).operations().operation != DeviceOperations::Idle)
            return Ending::Hang;
        if (b.boxes.size() > boxesAtStart)
            return Ending::Refusal;
        const int lang = session(*b.w).language();
        const QString text = b.message();
        const bool red = b.messageColour() == kRed;
        if (!red && text == QString::fromStdString(messageText(Message::VerifyOk, lang)))
            return Ending::Success;
        for (Message m : {Message::ReadFailed, Message::VerifyFailed, Message::ProgramFailed})
            if (red && text == QString::fromStdString(messageText(m, lang)))
                return Ending::Failure;
        return Ending::Unexplained;
    }

    // Runs one operation to its end and checks what it says against what the unit holds.
    // Returns an empty string when the ending is true, else what is wrong.
    QString runChecked(int op, Tally& tally, Ending* ending = nullptr) {
        boxesAtStart = b.boxes.size();
        b.sim.clearReceived();
        if (!start(op))
            return QString("%1 did not start").arg(opName(op));
        const DeviceImage unitBefore = b.sim.image(); // read and verify set the unit up
        ++tally.operations;
        const Ending e = finish(160);
        if (ending)
            *ending = e;
        const DeviceImage unit = b.sim.image();
        const bool holds = unitHolds(unit, session(*b.w).image());
        switch (e) {
        case Ending::Hang:
            ++tally.hangs;
            return QString("%1 still running after 160 ticks").arg(opName(op));
        case Ending::Unexplained:
            ++tally.unexplained;
            return QString("%1 ended with \"%2\"").arg(opName(op), b.message());
        case Ending::Success: {
            if (!holds) {
                ++tally.falseSuccesses;
                return QString("%1 said Verify OK but the unit differs").arg(opName(op));
            }
            const DeviceImage screen = screenImage(*b.w);
            const int at = firstDifference(unit, screen);
            if (at >= 0) {
                ++tally.falseSuccesses;
                return QString("%1 said Verify OK but the screen shows byte %2 as %3, the unit "
                               "holds %4")
                    .arg(opName(op))
                    .arg(at)
                    .arg(screen[at])
                    .arg(unit[at]);
            }
            return {};
        }
        case Ending::Refusal:
            if (writesPages12(b.sim.received()) || !unitHolds(b.sim.image(), unitBefore))
                return QString("%1 refused but pages 1/2 reached the unit").arg(opName(op));
            return {};
        case Ending::Failure:
            return {};
        }
        return {};
    }

    WindowBench& b;
    std::mt19937 rng;
    qsizetype boxesAtStart = 0;
    int lostStepMs = 55;
    QTimer programAnyway;
};

} // namespace faults
