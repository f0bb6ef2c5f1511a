// The control descriptors: image byte, range, step and scale of every number, and the
// conversion between shown values and stored bytes.

#include "params/ParamTable.h"

#include <QtTest>

using namespace vortan;

namespace {
const NumberParam* findParam(const QString& name) {
    static const std::vector<NumberParam> all = allNumberParams();
    for (const NumberParam& p : all)
        if (name == QLatin1String(p.editName))
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
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");

    QTest::newRow("limiter 1") << "EditOmez1" << 103 << 999 << 25000 << 100;
    QTest::newRow("limiter 2") << "EditOmez2" << 104 << 999 << 25000 << 100;
    QTest::newRow("clutch") << "EditClutch" << 105 << 0 << 500 << 10;
    QTest::newRow("pilot light") << "EditLedRazeni" << 106 << 1000 << 25000 << 100;
    QTest::newRow("base advance") << "EditBaseAdv" << 107 << 0 << 40 << 1;
    QTest::newRow("servo hysteresis") << "EditPrivHyster" << 110 << 0 << 1275 << 5;
    QTest::newRow("TPS 0") << "EditTps0" << 118 << 250 << 2500 << 10;
    QTest::newRow("TPS 100") << "EditTps100" << 119 << 2500 << 4750 << 10;
    QTest::newRow("gas 1") << "EditGas1" << 121 << 0 << 100 << 1;
    QTest::newRow("gas 2") << "EditGas2" << 122 << 0 << 100 << 1;
    QTest::newRow("N2O build-up") << "EditGasT" << 123 << 0 << 25500 << 100;
    QTest::newRow("N2O delay") << "EditGasD" << 124 << 0 << 25500 << 100;
    QTest::newRow("retard 1") << "EditRetard1" << 125 << 0 << 25 << 1;
    QTest::newRow("retard 2") << "EditRetard2" << 126 << 0 << 25 << 1;
    QTest::newRow("retard build-up") << "EditRetardT" << 127 << 0 << 25500 << 100;
    QTest::newRow("retard delay") << "EditRetardD" << 128 << 0 << 25500 << 100;
    QTest::newRow("RPM_ADV 1") << "EditRpmAdv1" << 170 << 199 << 20100 << 100;
    QTest::newRow("RPM_ADV 2") << "EditRpmAdv2" << 171 << 300 << 20100 << 100;
    QTest::newRow("RPM_ADV 10") << "EditRpmAdv10" << 179 << 300 << 20100 << 100;
    QTest::newRow("RPM_PRIV 1") << "EditRpmPriv1" << 180 << 200 << 20100 << 100;
    QTest::newRow("RPM_PRIV 2") << "EditRpmPriv2" << 181 << 200 << 20100 << 100;
    QTest::newRow("RPM_PRIV 3") << "EditRpmPriv3" << 182 << 300 << 20100 << 100;
    QTest::newRow("NAP_PRIV 1") << "EditNapPriv1" << 190 << 20 << 5000 << 20;
    QTest::newRow("NAP_PRIV 10") << "EditNapPriv10" << 199 << 20 << 5000 << 20;
    QTest::newRow("map 0 % 1000 rpm") << "Edit50" << 200 << 0 << 60 << 1;
    QTest::newRow("map 40 % 5000 rpm") << "Edit114" << 264 << 0 << 60 << 1;
    QTest::newRow("map 100 % 10000 rpm") << "Edit149" << 299 << 0 << 60 << 1;
}

void tst_ParamTable::descriptor() {
    QFETCH(QString, name);
    const NumberParam* p = findParam(name);
    QVERIFY2(p, qPrintable(name));
    QTEST(p->byte, "byte");
    QTEST(p->minimum, "minimum");
    QTEST(p->maximum, "maximum");
    QTEST(p->step, "step");
}

void tst_ParamTable::conversion_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shownAgain");

    QTest::newRow("limiter 15050 rpm") << "EditOmez1" << 15050 << 150 << 15000;
    QTest::newRow("limiter 12345 rpm") << "EditOmez1" << 12345 << 123 << 12300;
    QTest::newRow("limiter 25000 rpm") << "EditOmez2" << 25000 << 250 << 25000;
    QTest::newRow("TPS 100 % 2500 mV") << "EditTps100" << 2500 << 0 << 2500;
    QTest::newRow("TPS 100 % 3790 mV") << "EditTps100" << 3790 << 129 << 3790;
    QTest::newRow("TPS 100 % 4750 mV") << "EditTps100" << 4750 << 225 << 4750;
    QTest::newRow("TPS 100 % 2509 mV") << "EditTps100" << 2509 << 0 << 2500;
    QTest::newRow("TPS 0 % 2500 mV") << "EditTps0" << 2500 << 250 << 2500;
    QTest::newRow("hysteresis 1275 mV") << "EditPrivHyster" << 1275 << 255 << 1275;
    QTest::newRow("hysteresis 7 mV") << "EditPrivHyster" << 7 << 1 << 5;
    QTest::newRow("hysteresis 4 mV") << "EditPrivHyster" << 4 << 0 << 0;
    QTest::newRow("N2O delay 25500 ms") << "EditGasD" << 25500 << 255 << 25500;
    QTest::newRow("clutch 499 ms") << "EditClutch" << 499 << 49 << 490;
    QTest::newRow("servo 5000 mV") << "EditNapPriv3" << 5000 << 250 << 5000;
    QTest::newRow("servo 39 mV") << "EditNapPriv3" << 39 << 1 << 20;
    QTest::newRow("speed axis 199 rpm") << "EditRpmAdv1" << 199 << 1 << 100;
    QTest::newRow("speed axis 20100 rpm") << "EditRpmPriv10" << 20100 << 201 << 20100;
    QTest::newRow("map 60 degrees") << "Edit99" << 60 << 60 << 60;
}

void tst_ParamTable::conversion() {
    QFETCH(QString, name);
    QFETCH(int, typed);
    const NumberParam* p = findParam(name);
    QVERIFY2(p, qPrintable(name));
    const std::uint8_t stored = p->stored(typed);
    QTEST(int(stored), "stored");
    QTEST(p->shown(stored), "shownAgain");
}

void tst_ParamTable::roundTrip_data() {
    QTest::addColumn<QString>("name");
    for (const NumberParam& p : allNumberParams())
        QTest::newRow(p.editName) << QString(p.editName);
}

// Every byte whose shown value lies within the control's range comes back unchanged, and
// one arrow step moves exactly one byte.
void tst_ParamTable::roundTrip() {
    QFETCH(QString, name);
    const NumberParam* p = findParam(name);
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
        QCOMPARE(QString(t[i].editName), QString("EditRpmAdv%1").arg(i + 1));
        QCOMPARE(t[110 + i].byte, Byte::RPM_PRIV + i);
        QCOMPARE(QString(t[110 + i].editName), QString("EditRpmPriv%1").arg(i + 1));
        QCOMPARE(t[120 + i].byte, Byte::NAP_PRIV + i);
        QCOMPARE(QString(t[120 + i].editName), QString("EditNapPriv%1").arg(i + 1));
    }
    for (int n = 0; n < 100; ++n) {
        QCOMPARE(t[10 + n].byte, Byte::ADVANCE + n);
        QCOMPARE(QString(t[10 + n].editName), QString("Edit%1").arg(50 + n));
    }
    // No two numbers share a byte or a control.
    QSet<int> bytes;
    QSet<QString> names;
    for (const NumberParam& p : allNumberParams()) {
        bytes.insert(p.byte);
        names.insert(p.editName);
    }
    QCOMPARE(bytes.size(), 146);
    QCOMPARE(names.size(), 146);
}

void tst_ParamTable::flags_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("byte");
    QTest::newRow("speedometer 2x") << "CheckBoxRpm2Krat" << 102;
    QTest::newRow("excitation") << "CheckBoxBuzDlouhe" << 108;
    QTest::newRow("servo enable") << "CheckBoxPrivEnable" << 109;
    QTest::newRow("blocking 1") << "CheckBoxAktBlok1" << 111;
    QTest::newRow("blocking 2") << "CheckBoxAktBlok2" << 112;
    QTest::newRow("clutch input") << "CheckBoxAktClutch" << 113;
    QTest::newRow("N2O input") << "CheckBoxAktN2o" << 115;
    QTest::newRow("limiter 1 input") << "CheckBoxAktLimiter1" << 116;
    QTest::newRow("tacho/lambda") << "CheckBoxAktRpm" << 117;
    QTest::newRow("N2O enable") << "CheckBoxGas" << 120;
    QTest::newRow("TPS map") << "CheckBoxTpsMapa" << 129;
}

void tst_ParamTable::flags() {
    QFETCH(QString, name);
    QFETCH(int, byte);
    int found = 0;
    for (const FlagParam& f : flagParams()) {
        if (name == QLatin1String(f.checkBoxName)) {
            ++found;
            QCOMPARE(f.byte, byte);
        }
    }
    QCOMPARE(found, 1);
    QCOMPARE(int(flagParams().size()), 11);
}

QTEST_APPLESS_MAIN(tst_ParamTable)
#include "tst_paramtable.moc"
