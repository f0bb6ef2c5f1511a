// What the tuner may do with the parameter set while each device operation runs.

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

QTEST_APPLESS_MAIN(tst_SetLock)
#include "tst_setlock.moc"
