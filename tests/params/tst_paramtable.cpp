// The control descriptors: image byte, range, step and scale of every number, and the
// conversion between shown values and stored bytes.

#include "params/ParamTable.h"

#include <QtTest>

using namespace vortan;

namespace {
const NumberParam* findParam(int byte) {
    static const std::vector<NumberParam> all = allNumberParams();
    for (const NumberParam& p : all)
        if (p.byte == byte)
            return &p;
    return nullptr;
}
} // namespace

class tst_ParamTable : public QObject {
    Q_OBJECT
private slots:
    void descriptor_data();
    void descriptor();
    void conversion_data();
    void conversion();
    void roundTrip_data();
    void roundTrip();
    void tableOrder();
    void flags_data();
    void flags();
};

void tst_ParamTable::descriptor_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");

    QTest::newRow("limiter 1") << 103 << 999 << 25000 << 100;
    QTest::newRow("limiter 2") << 104 << 999 << 25000 << 100;
    QTest::newRow("clutch") << 105 << 0 << 500 << 10;
    QTest::newRow("pilot light") << 106 << 1000 << 25000 << 100;
    QTest::newRow("base advance") << 107 << 0 << 40 << 1;
    QTest::newRow("servo hysteresis") << 110 << 0 << 1275 << 5;
    QTest::newRow("TPS 0") << 118 << 250 << 2500 << 10;
    QTest::newRow("TPS 100") << 119 << 2500 << 4750 << 10;
    QTest::newRow("gas 1") << 121 << 0 << 100 << 1;
    QTest::newRow("gas 2") << 122 << 0 << 100 << 1;
    QTest::newRow("N2O build-up") << 123 << 0 << 25500 << 100;
    QTest::newRow("N2O delay") << 124 << 0 << 25500 << 100;
    QTest::newRow("retard 1") << 125 << 0 << 25 << 1;
    QTest::newRow("retard 2") << 126 << 0 << 25 << 1;
    QTest::newRow("retard build-up") << 127 << 0 << 25500 << 100;
    QTest::newRow("retard delay") << 128 << 0 << 25500 << 100;
    QTest::newRow("RPM_ADV 1") << 170 << 199 << 20100 << 100;
    QTest::newRow("RPM_ADV 2") << 171 << 300 << 20100 << 100;
    QTest::newRow("RPM_ADV 10") << 179 << 300 << 20100 << 100;
    QTest::newRow("RPM_PRIV 1") << 180 << 200 << 20100 << 100;
    QTest::newRow("RPM_PRIV 2") << 181 << 200 << 20100 << 100;
    QTest::newRow("RPM_PRIV 3") << 182 << 300 << 20100 << 100;
    QTest::newRow("NAP_PRIV 1") << 190 << 20 << 5000 << 20;
    QTest::newRow("NAP_PRIV 10") << 199 << 20 << 5000 << 20;
    QTest::newRow("map 0 % 1000 rpm") << 200 << 0 << 60 << 1;
    QTest::newRow("map 40 % 5000 rpm") << 264 << 0 << 60 << 1;
    QTest::newRow("map 100 % 10000 rpm") << 299 << 0 << 60 << 1;
}

void tst_ParamTable::descriptor() {
    QFETCH(int, byte);
    const NumberParam* p = findParam(byte);
    QVERIFY(p);
    QTEST(p->minimum, "minimum");
    QTEST(p->maximum, "maximum");
    QTEST(p->step, "step");
}

void tst_ParamTable::conversion_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shownAgain");

    QTest::newRow("limiter 15050 rpm") << int(Byte::LIMITER1) << 15050 << 150 << 15000;
    QTest::newRow("limiter 12345 rpm") << int(Byte::LIMITER1) << 12345 << 123 << 12300;
    QTest::newRow("limiter 25000 rpm") << int(Byte::LIMITER2) << 25000 << 250 << 25000;
    QTest::newRow("TPS 100 % 2500 mV") << int(Byte::TPS100) << 2500 << 0 << 2500;
    QTest::newRow("TPS 100 % 3790 mV") << int(Byte::TPS100) << 3790 << 129 << 3790;
    QTest::newRow("TPS 100 % 4750 mV") << int(Byte::TPS100) << 4750 << 225 << 4750;
    QTest::newRow("TPS 100 % 2509 mV") << int(Byte::TPS100) << 2509 << 0 << 2500;
    QTest::newRow("TPS 0 % 2500 mV") << int(Byte::TPS0) << 2500 << 250 << 2500;
    QTest::newRow("hysteresis 1275 mV") << int(Byte::PRIV_HYSTER) << 1275 << 255 << 1275;
    QTest::newRow("hysteresis 7 mV") << int(Byte::PRIV_HYSTER) << 7 << 1 << 5;
    QTest::newRow("hysteresis 4 mV") << int(Byte::PRIV_HYSTER) << 4 << 0 << 0;
    QTest::newRow("N2O delay 25500 ms") << int(Byte::GAS_DELAY) << 25500 << 255 << 25500;
    QTest::newRow("clutch 499 ms") << int(Byte::CLUTCH) << 499 << 49 << 490;
    QTest::newRow("servo 5000 mV") << Byte::NAP_PRIV + 2 << 5000 << 250 << 5000;
    QTest::newRow("servo 39 mV") << Byte::NAP_PRIV + 2 << 39 << 1 << 20;
    QTest::newRow("speed axis 199 rpm") << Byte::RPM_ADV + 0 << 199 << 1 << 100;
    QTest::newRow("speed axis 20100 rpm") << Byte::RPM_PRIV + 9 << 20100 << 201 << 20100;
    QTest::newRow("map 60 degrees") << Byte::ADVANCE + 49 << 60 << 60 << 60;
}

void tst_ParamTable::conversion() {
    QFETCH(int, byte);
    QFETCH(int, typed);
    const NumberParam* p = findParam(byte);
    QVERIFY(p);
    const std::uint8_t stored = p->stored(typed);
    QTEST(int(stored), "stored");
    QTEST(p->shown(stored), "shownAgain");
}

void tst_ParamTable::roundTrip_data() {
    QTest::addColumn<int>("byte");
    for (const NumberParam& p : allNumberParams())
        QTest::addRow("byte %d", p.byte) << p.byte;
}

// Every byte whose shown value lies within the control's range comes back unchanged, and
// one arrow step moves exactly one byte.
void tst_ParamTable::roundTrip() {
    QFETCH(int, byte);
    const NumberParam* p = findParam(byte);
    QVERIFY(p);
    int inRange = 0;
    for (int b = 0; b < 256; ++b) {
        const int shown = p->shown(static_cast<std::uint8_t>(b));
        if (shown < p->minimum || shown > p->maximum)
            continue;
        ++inRange;
        QVERIFY2(p->stored(shown) == b, qPrintable(QString("byte %1 shown %2").arg(b).arg(shown)));
        if (shown + p->step <= p->maximum)
            QCOMPARE(int(p->stored(shown + p->step)), b + 1);
    }
    QVERIFY2(inRange >= 26, qPrintable(QString("only %1 bytes in range").arg(inRange)));
}

void tst_ParamTable::tableOrder() {
    const auto& t = tableParams();
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(t[i].byte, Byte::RPM_ADV + i);
        QCOMPARE(t[110 + i].byte, Byte::RPM_PRIV + i);
        QCOMPARE(t[120 + i].byte, Byte::NAP_PRIV + i);
    }
    for (int n = 0; n < 100; ++n)
        QCOMPARE(t[10 + n].byte, Byte::ADVANCE + n);
    // No two numbers share a byte, and each byte has one row.
    QSet<int> bytes;
    for (const NumberParam& p : allNumberParams()) {
        bytes.insert(p.byte);
        QVERIFY(paramRowAt(p.byte));
    }
    QCOMPARE(bytes.size(), 146);
}

void tst_ParamTable::flags_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("fileKey"); // empty: not in the file
    QTest::newRow("speedometer 2x") << 102 << "RPM2";
    QTest::newRow("excitation") << 108 << "EXCITATION";
    QTest::newRow("servo enable") << 109 << "PRIV_ENABLE";
    QTest::newRow("blocking 1") << 111 << "ACT_BLOK1";
    QTest::newRow("blocking 2") << 112 << "ACT_BLOK2";
    QTest::newRow("clutch input") << 113 << "ACT_CLUTCH";
    QTest::newRow("N2O input") << 115 << "ACT_N2O";
    QTest::newRow("limiter 1 input") << 116 << "ACT_LIM1";
    QTest::newRow("tacho/lambda") << 117 << "";
    QTest::newRow("N2O enable") << 120 << "N2O";
    QTest::newRow("TPS map") << 129 << "TPS_MAPA";
}

void tst_ParamTable::flags() {
    QFETCH(int, byte);
    int found = 0;
    for (const FlagParam& f : flagParams())
        found += f.byte == byte;
    QCOMPARE(found, 1);
    QCOMPARE(int(flagParams().size()), 11);
    const ParamRow* r = paramRowAt(byte);
    QVERIFY(r && r->kind == ParamKind::Flag && r->text && r->page);
    QTEST(QString(r->fileKey ? r->fileKey : ""), "fileKey");
}

QTEST_APPLESS_MAIN(tst_ParamTable)
#include "tst_paramtable.moc"
