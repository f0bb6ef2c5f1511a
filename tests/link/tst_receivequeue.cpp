// The input queue between the port and the tick: how much one drain reads, and what the
// queue keeps.

#include "link/ReceiveQueue.h"

#include <QtTest>

using namespace vortan;

namespace {

QByteArray pattern(int n) {
    QByteArray out(n, 0);
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<char>(i % 251);
    return out;
}

} // namespace

class tst_ReceiveQueue : public QObject {
    Q_OBJECT
private slots:
    void drain_data();
    void drain();
};

void tst_ReceiveQueue::drain_data() {
    QTest::addColumn<int>("waiting");
    QTest::addColumn<QList<int>>("drains"); // sizes read by successive drains
    QTest::newRow("101: nothing yet") << 101 << QList<int>{0, 0};
    QTest::newRow("102: one frame") << 102 << QList<int>{102, 0};
    QTest::newRow("1024: all") << 1024 << QList<int>{1024, 0};
    QTest::newRow("1025: 1000, then 25 stay") << 1025 << QList<int>{1000, 0};
    QTest::newRow("2000: 1000 and 1000") << 2000 << QList<int>{1000, 1000, 0};
    QTest::newRow("1101: 1000, then 101 stay") << 1101 << QList<int>{1000, 0};
    // What arrives beyond 10000 waiting bytes is dropped.
    QTest::newRow("14000: the oldest 10000 kept") << 14000 << QList<int>(10, 1000) + QList<int>{0};
}

void tst_ReceiveQueue::drain() {
    QFETCH(int, waiting);
    QFETCH(QList<int>, drains);
    ReceiveQueue q;
    const QByteArray sent = pattern(waiting);
    q.append(sent);
    QByteArray all;
    for (int expected : drains) {
        const QByteArray got = q.drain();
        QCOMPARE(int(got.size()), expected);
        QCOMPARE(firstFrame(got) != nullptr, expected > 0);
        all += got;
    }
    QCOMPARE(all + q.bytes(), sent.left(ReceiveQueue::kLimit)); // in order, none repeated
}

QTEST_APPLESS_MAIN(tst_ReceiveQueue)
#include "tst_receivequeue.moc"
