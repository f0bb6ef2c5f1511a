// The signal pipe: SIGTERM and SIGINT reach the event loop as calls, once per process.

#include "app/SignalHandlers.h"

#include <QObject>
#include <QTest>

#include <csignal>
#include <memory>

class tst_SignalHandlers : public QObject {
    Q_OBJECT
private slots:
    // One function: the handlers stay installed for the rest of the process.
    void signalsBecomeCalls();
};

void tst_SignalHandlers::signalsBecomeCalls() {
    int calls = 0;
    int laterCalls = 0;
    auto owner = std::make_unique<QObject>();
    QVERIFY(vortan::installSignalHandlers(owner.get(), [&calls] { ++calls; }));
    // Installed once: a second call leaves the first in place.
    QVERIFY(!vortan::installSignalHandlers(owner.get(), [&laterCalls] { ++laterCalls; }));

    ::raise(SIGTERM);
    QTRY_COMPARE(calls, 1);
    ::raise(SIGINT);
    QTRY_COMPARE(calls, 2);
    QCOMPARE(laterCalls, 0);

    // With its owner gone, a signal is swallowed: the process goes on.
    owner.reset();
    ::raise(SIGTERM);
    QTest::qWait(50);
    QCOMPARE(calls, 2);
    QCOMPARE(laterCalls, 0);
}

QTEST_GUILESS_MAIN(tst_SignalHandlers)
#include "tst_signalhandlers.moc"
