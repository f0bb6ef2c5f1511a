// When the record of what the unit holds is forgotten.

#include "link/UnitRecord.h"

#include <QtTest>

using namespace vortan;

Q_DECLARE_METATYPE(vortan::UnitEventFacts)

namespace {

IdentificationPage unitPage(char last, std::uint8_t reserved = 0) {
    IdentificationPage p{};
    p[0] = 'V';
    p[1] = 'R';
    p[2] = std::uint8_t(last);
    p[3] = 7;
    p[9] = reserved;
    p[10] = kCompatibilityCode;
    p[11] = 0x3F;
    return p;
}

UnitEventFacts onEvent(UnitEvent e, bool sameDevice = false) {
    UnitEventFacts f;
    f.event = e;
    f.sameDevice = sameDevice;
    return f;
}

UnitEventFacts pageZero(std::optional<IdentificationPage> recorded, IdentificationPage received) {
    UnitEventFacts f;
    f.event = UnitEvent::PageZero;
    f.recorded = recorded;
    f.received = received;
    return f;
}

} // namespace

class tst_UnitRecord : public QObject {
    Q_OBJECT
private slots:
    void forgets_data();
    void forgets();
};

void tst_UnitRecord::forgets_data() {
    QTest::addColumn<UnitEventFacts>("facts");
    QTest::addColumn<bool>("forgotten");
    QTest::newRow("link lost") << onEvent(UnitEvent::LinkLost) << true;
    QTest::newRow("link silent") << onEvent(UnitEvent::LinkSilent) << true;
    QTest::newRow("another device opened") << onEvent(UnitEvent::PortOpened) << true;
    QTest::newRow("the same device opened again") << onEvent(UnitEvent::PortOpened, true) << false;
    QTest::newRow("first identification") << pageZero(std::nullopt, unitPage('T')) << false;
    QTest::newRow("same identification") << pageZero(unitPage('T'), unitPage('T')) << false;
    QTest::newRow("only the reserved byte differs")
        << pageZero(unitPage('T', 0), unitPage('T', 0x55)) << false;
    QTest::newRow("another firmware") << pageZero(unitPage('T'), unitPage('X')) << true;
    IdentificationPage otherTypes = unitPage('T');
    otherTypes[11] = 0x01;
    QTest::newRow("other motorbike types") << pageZero(unitPage('T'), otherTypes) << true;
    IdentificationPage lastByte = unitPage('T');
    lastByte[99] = 1;
    QTest::newRow("the last byte differs") << pageZero(unitPage('T'), lastByte) << true;
}

void tst_UnitRecord::forgets() {
    QFETCH(UnitEventFacts, facts);
    QFETCH(bool, forgotten);
    QCOMPARE(forgetsUnitRecord(facts), forgotten);
}

QTEST_APPLESS_MAIN(tst_UnitRecord)
#include "tst_unitrecord.moc"
