// What the tuner may do with the parameter set while each device operation runs.

#include "lang/Texts.h"
#include "link/DeviceOperations.h"
#include "link/SetLock.h"

#include <QtTest>

using namespace vortan;

Q_DECLARE_METATYPE(vortan::SetCommand)

class tst_SetLock : public QObject {
    Q_OBJECT
private slots:
    void lockedDuring_data();
    void lockedDuring();
    void reasonsInEveryLanguage();
};

void tst_SetLock::lockedDuring_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("reason");     // OperationText, or -1: the set is free
    QTest::addColumn<QString>("locked"); // of ChangeValues, UndoRedo, NewSet, OpenSet, Start, Look

    const int free = -1;
    QTest::newRow("idle") << int(DeviceOperations::Idle) << free << "------";
    QTest::newRow("read") << int(DeviceOperations::Read) << int(OperationText::LockedReading)
                          << "XXXX--";
    QTest::newRow("verify") << int(DeviceOperations::Verify) << int(OperationText::LockedVerifying)
                            << "XXXX--";
    QTest::newRow("program") << int(DeviceOperations::Program)
                             << int(OperationText::LockedProgramming) << "XXXX--";
    // A comparison reads the unit's pages beside the set, never into it.
    QTest::newRow("compare with unit") << int(DeviceOperations::Compare) << free << "------";
}

void tst_SetLock::lockedDuring() {
    QFETCH(int, operation);
    QFETCH(int, reason);
    QFETCH(QString, locked);
    const std::uint8_t op = static_cast<std::uint8_t>(operation);
    const std::optional<OperationText> why = lockReason(op);
    QCOMPARE(why ? int(*why) : -1, reason);
    const SetCommand commands[] = {SetCommand::ChangeValues,   SetCommand::UndoRedo,
                                   SetCommand::NewSet,         SetCommand::OpenSet,
                                   SetCommand::StartOperation, SetCommand::LookAtSet};
    QString got;
    for (const SetCommand c : commands)
        got += vortan::lockedDuring(c, op) ? 'X' : '-';
    QCOMPARE(got, locked);
}

// The status bar says why in the tuner's language; no other index gives a text.
void tst_SetLock::reasonsInEveryLanguage() {
    for (const OperationText t : {OperationText::LockedReading, OperationText::LockedVerifying,
                                  OperationText::LockedProgramming}) {
        const std::string czech = operationText(t, Czech);
        const std::string english = operationText(t, English);
        const std::string german = operationText(t, German);
        QVERIFY(!czech.empty() && !english.empty() && !german.empty());
        QVERIFY(czech != english && german != english && czech != german);
        QCOMPARE(operationText(t, 3), std::string());
    }
    QCOMPARE(operationText(OperationText::LockedVerifying, Czech),
             std::string("Probíhá verifikace: parametry nelze měnit, dokud neskončí"));
    QCOMPARE(operationText(OperationText::LockedProgramming, German),
             std::string("Die Zündbox wird programmiert: die Parameter sind bis zum Ende nicht "
                         "änderbar"));
}

QTEST_APPLESS_MAIN(tst_SetLock)
#include "tst_setlock.moc"
