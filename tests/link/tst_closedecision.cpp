// What closing the main window does at the moment it is asked: close, ask first, or let a
// program of the unit end.

#include "link/CloseDecision.h"

#include <QTest>

using namespace vortan;

Q_DECLARE_METATYPE(vortan::CloseStep)

class tst_CloseDecision : public QObject {
    Q_OBJECT
private slots:
    void closeStep_data();
    void closeStep();
};

void tst_CloseDecision::closeStep_data() {
    QTest::addColumn<bool>("signal");
    QTest::addColumn<int>("operation");
    QTest::addColumn<bool>("programming");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<int>("differences");
    QTest::addColumn<bool>("ask");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("waitOver");
    QTest::addColumn<CloseStep>("step");

    using S = CloseStep;
    // The user's close.
    QTest::newRow("idle, unit never seen")
        << false << 0 << false << false << -1 << true << false << false << S::NothingToAsk;
    QTest::newRow("idle, unit holds the set")
        << false << 0 << false << false << 0 << true << false << false << S::NothingToAsk;
    QTest::newRow("idle, unit holds another set")
        << false << 0 << false << false << 3 << true << false << false << S::AskToProgramFirst;
    QTest::newRow("another set, do not ask again")
        << false << 0 << false << false << 3 << false << false << false << S::NothingToAsk;
    QTest::newRow("another set, asked in this close")
        << false << 0 << false << false << 3 << true << true << false << S::NothingToAsk;
    QTest::newRow("program runs") << false << 1 << true << false << 3 << true << false << false
                                  << S::AskAboutOperation;
    QTest::newRow("read runs") << false << 3 << false << false << -1 << true << false << false
                               << S::AskAboutOperation;
    QTest::newRow("compare runs") << false << 4 << false << false << 0 << true << false << false
                                  << S::AskAboutOperation;
    QTest::newRow("program runs, close anyway")
        << false << 1 << true << true << 3 << true << false << false << S::NothingToAsk;
    // A signal never asks.
    QTest::newRow("signal, idle, another set")
        << true << 0 << false << false << 3 << true << false << false << S::CloseAtOnce;
    QTest::newRow("signal, program runs")
        << true << 1 << true << false << 3 << true << false << false << S::WaitForProgram;
    QTest::newRow("signal, the program's verify runs")
        << true << 2 << true << false << 3 << true << false << false << S::WaitForProgram;
    QTest::newRow("signal, program runs, wait over")
        << true << 1 << true << false << 3 << true << false << true << S::CloseAtOnce;
    QTest::newRow("signal, the user's verify runs")
        << true << 2 << false << false << 3 << true << false << false << S::CloseAtOnce;
    QTest::newRow("signal, read runs")
        << true << 3 << false << false << -1 << true << false << false << S::CloseAtOnce;
}

void tst_CloseDecision::closeStep() {
    QFETCH(bool, signal);
    QFETCH(int, operation);
    QFETCH(bool, programming);
    QFETCH(bool, answered);
    QFETCH(int, differences);
    QFETCH(bool, ask);
    QFETCH(bool, asked);
    QFETCH(bool, waitOver);
    QFETCH(CloseStep, step);
    CloseFacts f;
    f.request = signal ? CloseRequest::Signal : CloseRequest::User;
    f.operation = static_cast<std::uint8_t>(operation);
    f.programming = programming;
    f.operationAnswered = answered;
    f.unitDifferences = differences;
    f.askToProgram = ask;
    f.programAsked = asked;
    f.signalWaitOver = waitOver;
    QCOMPARE(vortan::closeStep(f), step);
}

QTEST_GUILESS_MAIN(tst_CloseDecision)
#include "tst_closedecision.moc"
