// Frames pinned to literal bytes, and the validity check against single flipped bits.

#include "params/Frame.h"

#include <QtTest>

using namespace vortan;

class tst_Frame : public QObject {
    Q_OBJECT
private slots:
    void monitorRequestLiteral();
    void programPageLiteral();
    void readRequestCarriesZeros();
    void flippedBit_data();
    void flippedBit();
};

void tst_Frame::monitorRequestLiteral() {
    const Frame& f = monitorRequest();
    QCOMPARE(f[0], 0x30);
    for (int i = 1; i <= 100; ++i)
        QCOMPARE(f[i], 0);
    QCOMPARE(f[101], 0xCF);
    QVERIFY(frameValid(f));
}

void tst_Frame::programPageLiteral() {
    // Page 1 holding 0, 1, ..., 99: the XOR of 0..99 is 0, so the check is 0xFF ^ 0x01.
    std::uint8_t data[100];
    for (int i = 0; i < 100; ++i)
        data[i] = static_cast<std::uint8_t>(i);
    const Frame f = makeFrame(0x01, data);
    QCOMPARE(f[0], 0x01);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(int(f[1 + i]), i);
    QCOMPARE(f[101], 0xFE);

    // Page 2 with every byte 0x3C: an even count of equal bytes cancels out.
    std::uint8_t same[100];
    std::fill(std::begin(same), std::end(same), 0x3C);
    QCOMPARE(makeFrame(0x02, same)[101], 0xFD);
    // One byte 0x5A on its own shows up in the check byte.
    std::uint8_t one[100] = {};
    one[57] = 0x5A;
    QCOMPARE(makeFrame(0x00, one)[101], 0xFF ^ 0x5A);
}

void tst_Frame::readRequestCarriesZeros() {
    const Frame f = makeFrame(0x42, nullptr);
    QCOMPARE(f[0], 0x42);
    QCOMPARE(f[101], 0xBD);
    for (int i = 1; i <= 100; ++i)
        QCOMPARE(f[i], 0);
}

void tst_Frame::flippedBit_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("bit");
    const int offsets[] = {0, 1, 2, 50, 99, 100, 101};
    for (int offset : offsets)
        for (int bit : {0, 3, 7})
            QTest::addRow("byte %d bit %d", offset, bit) << offset << bit;
}

void tst_Frame::flippedBit() {
    QFETCH(int, offset);
    QFETCH(int, bit);
    std::uint8_t data[100];
    for (int i = 0; i < 100; ++i)
        data[i] = static_cast<std::uint8_t>(i * 7 + 3);
    Frame f = makeFrame(0xC1, data);
    QVERIFY(frameValid(f));
    f[static_cast<std::size_t>(offset)] ^= static_cast<std::uint8_t>(1u << bit);
    QVERIFY(!frameValid(f));
}

QTEST_APPLESS_MAIN(tst_Frame)
#include "tst_frame.moc"
