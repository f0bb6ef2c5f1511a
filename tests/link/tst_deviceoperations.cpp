// The read / verify / program state machine against a link without a port, a record of what
// the window would show and a scripted unit.

#include "FakeLink.h"
#include "link/DeviceOperations.h"

#include <QtTest>

#include <algorithm>
#include <cstring>
#include <vector>

using namespace vortan;

namespace {

using fake::Sent;

DeviceImage unitImage() {
    DeviceImage u;
    setDefaults(u);
    const char name[] = "VRT";
    std::memcpy(u.page(0), name, 3);
    u[3] = 7;
    u[Byte::CompatibilityCode] = 15;
    u[Byte::BikeMask0] = 0x3F;
    u.map(4, 4) = 33;
    u[Byte::BASE_ADV] = 12;
    return u;
}

// Fixture: the PC's image, the link, what the window shows, the operations and a scripted
// unit that answers the last request as a unit holding `unit` would.
struct Rig {
    DeviceImage image;
    fake::FakeLink link;
    fake::Recorder events{image};
    DeviceOperations ops{image, link, events};
    DeviceImage unit = unitImage();
    bool unitSilent = false;
    bool unitKeepsPage2 = false;
    bool unitSilentOnPage2 = false;
    int unitReserved = -1; // >= 0: the unit keeps this value in the reserved byte of page 1
    std::size_t answered = 0;

    Rig() { setDefaults(image); }

    void tick() {
        ++link.ticks;
        ops.tick();
    }
    // Answers every request sent since the last call.
    void answer() {
        while (answered < link.sent.size()) {
            const Frame request = link.sent[answered++].frame;
            if (unitSilent || request[0] == Command::Monitor)
                continue;
            const int n = request[0] & Command::PageMask;
            if (unitSilentOnPage2 && n == 2)
                continue;
            if ((request[0] & 0xC0) == Command::Program && n > 0 && !(n == 2 && unitKeepsPage2))
                std::memcpy(unit.page(n), request.data() + 1, kPageSize);
            if (unitReserved >= 0)
                unit[Byte::Reserved] = static_cast<std::uint8_t>(unitReserved);
            const Frame reply = makeFrame(request[0] ^ Command::ReplyBit, unit.page(n));
            ops.handleReply(reply.data());
        }
    }
    // Ticks and answers until the operation ends or `limit` ticks have passed.
    void run(int limit = 200) {
        answer();
        for (int i = 0; i < limit && ops.operation != DeviceOperations::Idle; ++i) {
            tick();
            answer();
        }
    }
};

using Commands = std::vector<std::uint8_t>;

} // namespace

class tst_DeviceOperations : public QObject {
    Q_OBJECT
private slots:
    void silentProgram();
    void silentRead_data();
    void silentRead();
    void silentVerify();
    void readThenVerify();
    void readSendsZeros();
    void readFailingHalfWayKeepsTheSet();
    void programThenVerify();
    void verifyIgnoresRpm2AndReserved_data();
    void verifyIgnoresRpm2AndReserved();
    void reservedByte_data();
    void reservedByte();
    void programEchoMustMatch();
    void wrongReplyCommand();
    void invalidReplyIgnored();
    void incompatibleOnRead();
    void incompatibleOnProgram();
    void unsupportedBike();
    void newStartAbandonsRunning();
    void monitorRequests();
    void programAfterChange();
    void compare_data();
    void compare();
    void verifiedSetIsWhatWasCompared();
    void identify_data();
    void identify();
};

void tst_DeviceOperations::identify_data() {
    QTest::addColumn<bool>("silent");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("message"); // the one message shown, -1 none
    QTest::addColumn<int>("box");     // the one box, -1 none
    QTest::newRow("answers") << false << 15 << -1 << -1;
    QTest::newRow("incompatible") << false << 14 << -1 << int(Message::IncompatibleUnit);
    QTest::newRow("silent") << true << 15 << int(Message::ReadFailed) << -1;
}

// Page 0 alone, with a read's requests: the identification shows, pages 1 and 2 stay.
void tst_DeviceOperations::identify() {
    QFETCH(bool, silent);
    QFETCH(int, code);
    QFETCH(int, message);
    QFETCH(int, box);
    auto list = [](int m) {
        return m < 0 ? std::vector<Message>{} : std::vector<Message>{Message(m)};
    };
    Rig r;
    r.unitSilent = silent;
    r.unit[Byte::CompatibilityCode] = static_cast<std::uint8_t>(code);
    const DeviceImage before = r.image;
    r.ops.startIdentify();
    r.run();
    QCOMPARE(r.ops.operation, DeviceOperations::Idle);
    QCOMPARE(r.events.messages, list(message));
    QCOMPARE(r.events.boxes, list(box));
    QCOMPARE(r.link.operationCommands(), Commands(silent ? 4 : 1, Command::Read));
    QCOMPARE(r.events.identification.version, silent ? std::string() : std::string("VRT07"));
    QVERIFY(std::equal(before.page(1), before.page(1) + 2 * kPageSize, r.image.page(1)));
}

void tst_DeviceOperations::silentProgram() {
    Rig r;
    r.unitSilent = true;
    r.ops.startProgram();
    QCOMPARE(r.events.controlsTaken, 1);
    QCOMPARE(r.events.messages, std::vector<Message>{Message::ProgramStarted});
    for (int i = 0; i < 19; ++i)
        r.tick();
    QCOMPARE(r.ops.operation, DeviceOperations::Program);
    r.tick(); // 20 ticks after the start
    QCOMPARE(r.ops.operation, DeviceOperations::Idle);
    QCOMPARE(r.events.messages.back(), Message::ProgramFailed);
    QCOMPARE(r.link.sendTicks(), (std::vector<int>{0, 4, 8, 12, 16}));
    QCOMPARE(r.link.operationCommands(), Commands(5, 0x00));
    for (const Sent& s : r.link.sent)
        QVERIFY(s.wait);
    QVERIFY(r.events.gaugeVisible); // stays until the message countdown ends
}

void tst_DeviceOperations::silentRead_data() {
    QTest::addColumn<int>("idleTicks"); // where the idle monitor cycle stood
    QTest::addColumn<int>("firstSend");
    for (int t = 0; t < 6; ++t)
        QTest::addRow("cycle at %d", t) << t << std::max(1, 4 - t);
}

void tst_DeviceOperations::silentRead() {
    QFETCH(int, idleTicks);
    QFETCH(int, firstSend);
    Rig r;
    r.unitSilent = true;
    for (int i = 0; i < idleTicks; ++i)
        r.tick();
    QVERIFY(r.link.sent.empty());
    const int start = r.link.ticks;
    r.ops.startRead();
    QCOMPARE(r.events.fileLabelCleared, 1);
    QCOMPARE(r.events.gauge, 0);
    QVERIFY(r.link.sent.empty()); // nothing goes out at the command itself
    r.run();
    std::vector<int> expected;
    for (int k = 0; k < 4; ++k)
        expected.push_back(start + firstSend + 4 * k);
    QCOMPARE(r.link.sendTicks(), expected);
    QCOMPARE(r.link.ticks, start + firstSend + 16);
    QCOMPARE(r.events.messages, (std::vector<Message>{Message::ReadStarted, Message::ReadFailed}));
}

void tst_DeviceOperations::silentVerify() {
    Rig r;
    r.unitSilent = true;
    r.ops.startVerify();
    r.run();
    QCOMPARE(r.link.operationCommands(), Commands(5, 0x41));
    QCOMPARE(r.events.messages.back(), Message::VerifyFailed);
}

void tst_DeviceOperations::readThenVerify() {
    Rig r;
    r.ops.startRead();
    r.run();
    QCOMPARE(r.link.operationCommands(), (Commands{0x40, 0x41, 0x42, 0x41, 0x42}));
    QCOMPARE(r.events.gaugeValues, (std::vector<int>{0, 1, 2, 1, 2}));
    QCOMPARE(r.events.messages,
             (std::vector<Message>{Message::ReadStarted, Message::VerifyStartedAuto,
                                   Message::VerifyOk}));
    QVERIFY(!r.events.gaugeVisible);
    QVERIFY(r.image == r.unit);
    QCOMPARE(r.events.identification.version, std::string("VRT07")); // the unit's page 0
    QVERIFY(r.events.boxes.empty());
}

// A read that gets page 1 but never page 2 leaves the set on screen whole (bytes no control
// shows included), while the unit's page 1 is known for comparison.
void tst_DeviceOperations::readFailingHalfWayKeepsTheSet() {
    Rig r;
    r.unit[140] = 77; // a byte no control shows
    r.unitSilentOnPage2 = true;
    const DeviceImage before = r.image;
    r.ops.startRead();
    r.run();
    QCOMPARE(r.events.messages.back(), Message::ReadFailed);
    QVERIFY(std::equal(before.page(1), before.page(1) + 2 * kPageSize, r.image.page(1)));
    QVERIFY(r.ops.unitSeen);
    QCOMPARE(int((*r.ops.unitSeen)[140]), 77);
}

void tst_DeviceOperations::readSendsZeros() {
    Rig r;
    r.unitSilent = true;
    r.image.map(0, 0) = 50; // the image holds data; a read request never carries it
    r.ops.startRead();
    r.run();
    QCOMPARE(r.link.sent.size(), std::size_t(4));
    for (const Sent& s : r.link.sent)
        QCOMPARE(s.frame, makeFrame(0x40, nullptr));

    // Pages 1 and 2 of a read go out empty too; the verify after it carries the image.
    Rig full;
    full.ops.startRead();
    full.run();
    QCOMPARE(full.link.sent[1].frame, makeFrame(0x41, nullptr));
    QCOMPARE(full.link.sent[3].frame, makeFrame(0x41, full.image.page(1)));
}

void tst_DeviceOperations::programThenVerify() {
    Rig r;
    r.image.map(2, 3) = 44;
    r.image[Byte::LIMITER1] = 60;
    const DeviceImage before = r.image;
    r.ops.startProgram();
    r.run();
    QCOMPARE(r.link.operationCommands(), (Commands{0x00, 0x01, 0x02, 0x41, 0x42}));
    QCOMPARE(r.events.gaugeValues, (std::vector<int>{0, 1, 2, 1, 2}));
    QCOMPARE(r.events.messages.back(), Message::VerifyOk);
    // The unit now holds the PC's pages 1 and 2; the PC holds the unit's page 0.
    QVERIFY(std::equal(r.unit.page(1), r.unit.page(1) + 200, before.page(1)));
    QVERIFY(std::equal(r.image.page(0), r.image.page(0) + 100, r.unit.page(0)));
    QVERIFY(std::equal(r.link.sent[1].frame.begin() + 1, r.link.sent[1].frame.end() - 1,
                       before.page(1)));
}

void tst_DeviceOperations::verifyIgnoresRpm2AndReserved_data() {
    QTest::addColumn<int>("differing");
    QTest::addColumn<bool>("ok");
    QTest::newRow("RPM2 (102)") << 102 << true;
    QTest::newRow("reserved (101)") << 101 << true;
    QTest::newRow("BIKE (100)") << 100 << false;
    QTest::newRow("LIMITER1 (103)") << 103 << false;
    QTest::newRow("map (255)") << 255 << false;
    QTest::newRow("page 0 (5)") << 5 << true; // page 0 is never compared
}

void tst_DeviceOperations::verifyIgnoresRpm2AndReserved() {
    QFETCH(int, differing);
    QFETCH(bool, ok);
    Rig r;
    r.unit = r.image;
    r.unit[differing] ^= 0x01;
    r.ops.startVerify();
    r.run();
    QCOMPARE(r.events.messages.back(), ok ? Message::VerifyOk : Message::VerifyFailed);
    QCOMPARE(r.events.gaugeVisible, !ok);
}

void tst_DeviceOperations::reservedByte_data() {
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("inImage");    // what the PC's image holds in byte 101
    QTest::addColumn<int>("inUnit");     // what the unit keeps there
    QTest::addColumn<int>("imageAfter"); // byte 101 of the PC's image after the operation
    const int program = DeviceOperations::Program, verify = DeviceOperations::Verify,
              read = DeviceOperations::Read;
    QTest::newRow("program, unit keeps 0x55") << program << 0 << 0x55 << 0;
    QTest::newRow("program, image from a file holds 0x55") << program << 0x55 << 0x55 << 0x55;
    QTest::newRow("program, image 0xFF, unit 0") << program << 0xFF << 0 << 0xFF;
    QTest::newRow("verify, image 0x55, unit 0") << verify << 0x55 << 0 << 0x55;
    QTest::newRow("verify, image 0, unit 0xAA") << verify << 0 << 0xAA << 0;
    QTest::newRow("read, unit keeps 0x55") << read << 0x77 << 0x55 << 0;
}

// Byte 101 goes out as 0 in every page-1 frame and is never held against the unit.
void tst_DeviceOperations::reservedByte() {
    QFETCH(int, op);
    QFETCH(int, inImage);
    QFETCH(int, inUnit);
    QFETCH(int, imageAfter);
    Rig r;
    r.unit = r.image;
    std::memcpy(r.unit.page(0), unitImage().page(0), kPageSize);
    r.unitReserved = inUnit;
    r.unit[Byte::Reserved] = static_cast<std::uint8_t>(inUnit);
    r.image[Byte::Reserved] = static_cast<std::uint8_t>(inImage);
    if (op == DeviceOperations::Program)
        r.ops.startProgram();
    else if (op == DeviceOperations::Verify)
        r.ops.startVerify();
    else
        r.ops.startRead();
    r.run();
    QCOMPARE(r.events.messages.back(), Message::VerifyOk);
    int page1Frames = 0;
    for (const Sent& s : r.link.sent)
        if ((s.frame[0] & Command::PageMask) == 1) {
            ++page1Frames;
            QCOMPARE(s.frame[1 + Byte::Reserved - kPageSize], std::uint8_t(0));
            QVERIFY(frameValid(s.frame));
        }
    QCOMPARE(page1Frames, op == DeviceOperations::Verify ? 1 : 2);
    QCOMPARE(int(r.image[Byte::Reserved]), imageAfter);
    QCOMPARE(int(r.unit[Byte::Reserved]), inUnit);
}

void tst_DeviceOperations::programEchoMustMatch() {
    // A unit that keeps its own page 2 whatever it is sent: the echo differs, no progress.
    Rig r;
    r.unitKeepsPage2 = true;
    r.image.map(9, 9) = 21;
    r.ops.startProgram();
    r.run();
    QCOMPARE(r.events.messages.back(), Message::ProgramFailed);
    Commands expected{0x00, 0x01};
    expected.insert(expected.end(), 5, 0x02);
    QCOMPARE(r.link.operationCommands(), expected);
    QCOMPARE(r.events.gaugeValues, (std::vector<int>{0, 1, 2}));
}

void tst_DeviceOperations::wrongReplyCommand() {
    Rig r;
    r.unit = r.image;
    r.ops.startVerify();
    const Frame wrong = makeFrame(0xC0, r.unit.page(1));
    r.ops.handleReply(wrong.data());
    QCOMPARE(r.ops.currentCommand, 0x41);
    QCOMPARE(r.events.gauge, 1);
    const Frame right = makeFrame(0xC1, r.unit.page(1));
    r.ops.handleReply(right.data());
    QCOMPARE(r.ops.currentCommand, 0x42);
    QCOMPARE(r.events.gauge, 2);
}

void tst_DeviceOperations::invalidReplyIgnored() {
    Rig r;
    r.unit = r.image;
    r.ops.startVerify();
    Frame bad = makeFrame(0xC1, r.unit.page(1));
    bad[40] ^= 0x10;
    r.ops.handleReply(bad.data());
    QCOMPARE(r.ops.currentCommand, 0x41);
    // While idle a valid reply changes nothing.
    Rig idle;
    const Frame stray = makeFrame(0xC1, idle.image.page(1));
    idle.ops.handleReply(stray.data());
    QCOMPARE(idle.ops.operation, DeviceOperations::Idle);
    QVERIFY(idle.link.sent.empty() && idle.events.messages.empty());
}

void tst_DeviceOperations::incompatibleOnRead() {
    Rig r;
    r.unit[Byte::CompatibilityCode] = 14;
    r.image.map(1, 1) = 7;
    const DeviceImage before = r.image;
    r.ops.startRead();
    r.run();
    QCOMPARE(r.ops.operation, DeviceOperations::Idle);
    QCOMPARE(r.events.boxes, std::vector<Message>{Message::IncompatibleUnit});
    QCOMPARE(r.link.operationCommands(), Commands{0x40});
    QVERIFY(std::equal(r.image.page(0), r.image.page(0) + 100, r.unit.page(0)));
    QVERIFY(std::equal(r.image.page(1), r.image.page(1) + 200, before.page(1)));
    QCOMPARE(r.events.shown, 1);
    QCOMPARE(r.events.messages, std::vector<Message>{Message::ReadStarted}); // label unchanged
    for (int i = 0; i < 30; ++i)
        r.tick();
    QCOMPARE(r.link.operationCommands(), Commands{0x40});
}

void tst_DeviceOperations::incompatibleOnProgram() {
    Rig r;
    r.unit[Byte::CompatibilityCode] = 16;
    const DeviceImage unitBefore = r.unit;
    r.ops.startProgram();
    r.run();
    QCOMPARE(r.events.boxes, std::vector<Message>{Message::IncompatibleUnit});
    QCOMPARE(r.link.operationCommands(), Commands{0x00});
    QVERIFY(r.unit == unitBefore);
}

void tst_DeviceOperations::unsupportedBike() {
    Rig r;
    r.unit[Byte::BikeMask0] = 0x01; // type 0 only
    r.image[Byte::BIKE] = 3;
    const DeviceImage unitBefore = r.unit;
    r.ops.startProgram();
    r.run();
    for (int i = 0; i < 30; ++i)
        r.tick();
    QCOMPARE(r.events.boxes, std::vector<Message>{Message::UnsupportedBike});
    QCOMPARE(r.link.operationCommands(), Commands{0x00});
    QVERIFY(r.unit == unitBefore); // nothing written to pages 1 and 2
    QCOMPARE(r.ops.operation, DeviceOperations::Idle);

    // The same type is accepted once the unit supports it.
    Rig ok;
    ok.unit[Byte::BikeMask0] = 0x08;
    ok.image[Byte::BIKE] = 3;
    ok.ops.startProgram();
    ok.run();
    QCOMPARE(ok.events.messages.back(), Message::VerifyOk);
}

void tst_DeviceOperations::newStartAbandonsRunning() {
    Rig r;
    r.unit = r.image;
    r.unitSilent = true;
    r.ops.startRead();
    r.tick();
    r.tick();
    r.tick();
    r.tick(); // first read request
    QCOMPARE(r.link.operationCommands(), Commands{0x40});
    r.unitSilent = false;
    r.answered = r.link.sent.size(); // that request is lost
    r.ops.startVerify();
    QCOMPARE(r.ops.operation, DeviceOperations::Verify);
    r.run();
    QCOMPARE(r.link.operationCommands(), (Commands{0x40, 0x41, 0x42}));
    QCOMPARE(r.events.messages,
             (std::vector<Message>{Message::ReadStarted, Message::VerifyStartedByUser,
                                   Message::VerifyOk}));
}

void tst_DeviceOperations::monitorRequests() {
    Rig r;
    r.unit = r.image;
    for (int i = 0; i < 18; ++i)
        r.tick();
    QCOMPARE(r.link.sendTicks(), (std::vector<int>{6, 12, 18}));
    for (const Sent& s : r.link.sent) {
        QCOMPARE(s.frame, monitorRequest());
        QVERIFY(!s.wait);
    }
    r.answered = r.link.sent.size();
    r.ops.startVerify(); // tick 18
    r.unitSilent = true;
    for (int i = 0; i < 12; ++i)
        r.tick();
    for (std::size_t i = 3; i < r.link.sent.size(); ++i)
        QCOMPARE(r.link.sent[i].frame[0], 0x41); // no monitor request while it runs
    r.unitSilent = false;
    r.run();
    QCOMPARE(r.events.messages.back(), Message::VerifyOk);
    // The idle cycle resumes from where the last request left the tick count.
    const std::size_t count = r.link.sent.size();
    const int end = r.link.ticks;
    for (int i = 0; i < 6; ++i)
        r.tick();
    QCOMPARE(r.link.sent.size(), count + 1);
    QCOMPARE(r.link.sent.back().frame[0], Command::Monitor);
    QCOMPARE(r.link.sent.back().tick, end + 6);
}

void tst_DeviceOperations::programAfterChange() {
    Rig r;
    r.ops.programAfterChange(false);
    QCOMPARE(r.ops.operation, DeviceOperations::Idle);

    // Ticking the box starts a program at once; the first frame goes out from a tick.
    r.ops.programAfterChange(true);
    QCOMPARE(r.ops.operation, DeviceOperations::Program);
    QCOMPARE(r.events.messages.back(), Message::ProgramStarted);
    QCOMPARE(r.events.gauge, 0);
    QVERIFY(r.link.sent.empty());
    r.run();
    QCOMPARE(r.events.messages.back(), Message::VerifyOk);
    QCOMPARE(r.link.operationCommands().front(), 0x00);

    // An edit that leaves pages 1 and 2 as they were starts nothing; page 0 is not watched.
    const std::size_t messages = r.events.messages.size();
    r.image[5] ^= 0xFF;
    r.ops.programAfterChange(true);
    QCOMPARE(r.ops.operation, DeviceOperations::Idle);
    QCOMPARE(r.events.messages.size(), messages);

    // A real change starts another.
    r.image.map(3, 3) = 17;
    r.ops.programAfterChange(true);
    QCOMPARE(r.ops.operation, DeviceOperations::Program);
    r.run();
    QCOMPARE(r.unit.map(3, 3), 17);

    // Untick and tick again: another program without any edit.
    r.ops.programAfterChange(false);
    QCOMPARE(r.ops.operation, DeviceOperations::Idle);
    r.ops.programAfterChange(true);
    QCOMPARE(r.ops.operation, DeviceOperations::Program);
}

void tst_DeviceOperations::compare_data() {
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("silentOnPage2");
    QTest::addColumn<Commands>("requests");
    QTest::addColumn<bool>("failed");
    QTest::newRow("answered") << false << false << Commands{0x41, 0x42} << false;
    QTest::newRow("silent") << true << false << Commands(4, 0x41) << true;
    QTest::newRow("silent on page 2")
        << false << true << Commands{0x41, 0x42, 0x42, 0x42, 0x42, 0x42} << true;
}

// Pages 1 and 2 with a read's requests and failure; the unit's pages go to unitSeen only.
void tst_DeviceOperations::compare() {
    QFETCH(bool, silent);
    QFETCH(bool, silentOnPage2);
    QFETCH(Commands, requests);
    QFETCH(bool, failed);
    Rig r;
    r.unitSilent = silent;
    r.unitSilentOnPage2 = silentOnPage2;
    const DeviceImage before = r.image;
    r.ops.startCompare();
    r.run();
    Commands sent;
    for (const Sent& s : r.link.sent) {
        sent.push_back(s.frame[0]);
        QVERIFY(std::all_of(s.frame.begin() + 1, s.frame.end() - 1, [](auto b) { return b == 0; }));
    }
    QCOMPARE(sent, requests);
    QCOMPARE(r.ops.operation, DeviceOperations::Idle);
    QVERIFY(r.image == before);
    QCOMPARE(r.events.messages.back(), failed ? Message::ReadFailed : Message::ReadStarted);
    QCOMPARE(r.events.comparisons, failed ? 0 : 1);
    if (!failed)
        QVERIFY(
            std::equal(r.unit.page(1), r.unit.page(1) + 2 * kPageSize, r.ops.unitSeen->page(1)));
}

// The set a verify ending OK agreed with is the pages as they were compared, even when the
// image changed after its page was compared.
void tst_DeviceOperations::verifiedSetIsWhatWasCompared() {
    Rig r;
    std::copy(r.image.page(1), r.image.page(1) + 2 * kPageSize, r.unit.page(1));
    const std::uint8_t limiter = r.image[Byte::LIMITER1];
    r.ops.startVerify();
    const Frame page1 = makeFrame(0x41 ^ Command::ReplyBit, r.unit.page(1));
    r.ops.handleReply(page1.data());
    QCOMPARE(r.ops.currentCommand, std::uint8_t(0x42));
    r.image[Byte::LIMITER1] = std::uint8_t(limiter + 1);
    const Frame page2 = makeFrame(0x42 ^ Command::ReplyBit, r.unit.page(2));
    r.ops.handleReply(page2.data());
    QCOMPARE(r.events.messages.back(), Message::VerifyOk);
    QVERIFY(r.ops.lastVerified);
    QCOMPARE((*r.ops.lastVerified)[Byte::LIMITER1], limiter);
    QVERIFY(
        std::equal(r.unit.page(1), r.unit.page(1) + 2 * kPageSize, r.ops.lastVerified->page(1)));
}

QTEST_APPLESS_MAIN(tst_DeviceOperations)
#include "tst_deviceoperations.moc"
