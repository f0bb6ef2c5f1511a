// One timer tick without a window: where drained frames go, the message countdown, the
// silence counter and "No Connection", and the order of the five steps.

#include "FakeLink.h"
#include "link/Tick.h"

#include <QtTest>

#include <algorithm>
#include <map>

using namespace vortan;

namespace {

Frame monitorFrame() {
    MonitorPacket p;
    p.rpm = 3000;
    p.tpsPercent = 40;
    return encodeMonitorPacket(p);
}

Frame flipped(Frame f) {
    f[40] ^= 0x10;
    return f;
}

QByteArray bytes(const Frame& f, int from = 0, int to = kFrameSize) {
    return QByteArray(reinterpret_cast<const char*>(f.data()) + from, to - from);
}

struct Rig {
    DeviceImage image;
    fake::FakeLink link;
    fake::Recorder view{image};
    DeviceOperations ops{image, link, view};
    Tick tick{link, ops};

    Rig() {
        setDefaults(image);
        link.log = &view.log;
    }
    void step() {
        ++link.ticks;
        tick.run(view);
    }

    // Plays a script and sums up what the window was told, tick by tick: "n:M" monitor values
    // shown, "n:H" message hidden, "n:N+" / "n:N-" "No Connection" shown / hidden.
    //   .  one tick (a count before it repeats it: "18.")
    //   m  a monitor packet arrives          x  the same with one bit flipped
    //   r  a valid reply while idle          b  a reply with one bit flipped
    //   p  the first 101 bytes of a packet   q  its last byte
    //   g  a stray byte                      L  the link is lost
    //   s  a message is shown
    QString play(const QString& script) {
        const Frame packet = monitorFrame();
        const Frame reply = makeFrame(0xC1, image.page(1));
        const std::map<char, QByteArray> arrivals{{'m', bytes(packet)},
                                                  {'x', bytes(flipped(packet))},
                                                  {'r', bytes(reply)},
                                                  {'b', bytes(flipped(reply))},
                                                  {'p', bytes(packet, 0, kFrameSize - 1)},
                                                  {'q', bytes(packet, kFrameSize - 1)},
                                                  {'g', QByteArray(1, '\x55')}};
        QStringList out;
        int repeat = 0;
        int noConnection = -1;
        for (const QChar c : script) {
            if (c.isDigit()) {
                repeat = 10 * repeat + c.digitValue();
                continue;
            }
            for (int n = std::max(repeat, 1); n > 0; --n) {
                if (c == 'L') {
                    link.lost = true;
                } else if (c == 's') {
                    tick.messageShown();
                } else if (c != '.') {
                    link.receive(arrivals.at(c.toLatin1()));
                } else {
                    const std::size_t from = view.log.size();
                    step();
                    for (std::size_t i = from; i < view.log.size(); ++i) {
                        const std::string& e = view.log[i];
                        if (e == "monitor" || e == "hide")
                            out << QString("%1:%2").arg(link.ticks).arg(e == "hide" ? 'H' : 'M');
                    }
                    if (int(view.noConnection) != noConnection)
                        out << QString("%1:N%2").arg(link.ticks).arg(view.noConnection ? '+' : '-');
                    noConnection = view.noConnection;
                }
            }
            repeat = 0;
        }
        return out.join(' ');
    }
};

} // namespace

class tst_Tick : public QObject {
    Q_OBJECT
private slots:
    void script_data();
    void script();
    void replyToOperations();
    void fiveStepsInOrder();
};

void tst_Tick::script_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("silence");
    QTest::addColumn<int>("countdown");
    struct Row {
        const char *name, *script, *shown;
        int silence, countdown;
    };
    static const Row rows[] = {
        {"silent link: shown from the 19th tick", "300.", "1:N- 19:N+", 18, 0},
        {"18 ticks after a packet hidden, the 19th shown", "m19.", "1:M 1:N- 19:N+", 18, 0},
        {"a packet hides it on the tick it arrives", "30.m2.", "1:N- 19:N+ 31:M 31:N-", 2, 0},
        {"a packet with a flipped bit changes nothing", "30.x2.", "1:N- 19:N+", 18, 0},
        {"a reply counts whatever its command", "30.r.", "1:N- 19:N+ 31:N-", 1, 0},
        {"a reply with a flipped bit does not", "30.b.", "1:N- 19:N+", 18, 0},
        {"only the first frame of a drain is examined", "mm2.", "1:M 1:N-", 2, 0},
        {"a bad first frame hides a good one", "xm2.", "1:N-", 2, 0},
        {"101 bytes: read with the 102nd", "p.q.", "1:N- 2:M", 1, 0},
        {"a stray byte before a frame", "gm2.", "1:N-", 2, 0},
        {"a lost link reads nothing", "mL20.", "1:N- 19:N+", 18, 0},
        {"a message stays 199 ticks", "s199.", "1:N- 19:N+", 18, 1},
        {"and hides on the 200th", "s200.", "1:N- 19:N+ 200:H", 18, 0},
        {"a zero countdown hides nothing more", "s400.", "1:N- 19:N+ 200:H", 18, 0},
        {"a new message restarts the 200 ticks", "s150.s200.", "1:N- 19:N+ 350:H", 18, 0},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << QString(r.script) << QString(r.shown) << r.silence << r.countdown;
}

void tst_Tick::script() {
    QFETCH(QString, script);
    QFETCH(QString, shown);
    QFETCH(int, silence);
    QFETCH(int, countdown);
    Rig r;
    QCOMPARE(r.play(script), shown);
    QCOMPARE(int(r.tick.silenceCount), silence);
    QCOMPARE(int(r.tick.messageCountdown), countdown);
}

// A reply goes to the running operation; a monitor packet does not.
void tst_Tick::replyToOperations() {
    Rig r;
    r.ops.startVerify();
    r.link.receive(monitorFrame());
    r.step();
    QCOMPARE(int(r.ops.currentCommand), 0x41);
    r.link.receive(makeFrame(0xC1, r.image.page(1)));
    r.step();
    QCOMPARE(int(r.ops.currentCommand), 0x42);
}

// A tick in which every step has something to do: a packet arrives, the idle monitor request
// is due, the message countdown runs out.
void tst_Tick::fiveStepsInOrder() {
    Rig r;
    for (int i = 0; i < 5; ++i)
        r.step();
    QVERIFY(r.link.sent.empty());
    r.tick.messageCountdown = 1;
    r.link.receive(monitorFrame());
    r.view.log.clear();
    r.step();
    const std::vector<std::string> steps{"monitor", "write 48", "hide", "connection", "cursor"};
    QCOMPARE(r.view.log, steps);
}

QTEST_APPLESS_MAIN(tst_Tick)
#include "tst_tick.moc"
