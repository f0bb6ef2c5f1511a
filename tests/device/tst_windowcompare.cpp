// The difference report against the simulated unit: from a verify error, and from Device ›
// Compare with unit, which leaves the set on screen as it is.

#include "WindowBench.h"
#include "app/DiffReport.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace devtest;

namespace {

// The unit holds the window's set but for the limiter.
void unitWithOtherLimiter(WindowBench& b) {
    b.unitHoldsScreenSet();
    DeviceImage u = b.sim.image();
    u[Byte::LIMITER2] = 123;
    b.sim.setImage(u);
}

QStringList reportRow(const WindowBench& b, const QString& name) {
    const auto* report = b.find<DiffReport>("DiffReport");
    if (!report || !report->isVisible())
        return {};
    const auto found =
        report->findChild<QTreeWidget*>("TreeDifferences")->findItems(name, Qt::MatchExactly);
    QStringList out;
    for (const QTreeWidgetItem* item : found)
        for (int c = 0; c < DiffReport::ColumnCount; ++c)
            out << item->text(c);
    return out;
}

} // namespace

class tst_WindowCompare : public QObject {
    Q_OBJECT
private slots:
    void verifyErrorOffersDifferences();
    void compareWithUnit();
};

void tst_WindowCompare::verifyErrorOffersDifferences() {
    WindowBench b;
    QVERIFY(b.ok());
    unitWithOtherLimiter(b);
    b.trigger("MenuVerify");
    QVERIFY(!b.shown("ButtonDifferences"));
    QVERIFY(b.run());
    QCOMPARE(b.message(), "Verify error!");
    QVERIFY(b.shown("ButtonDifferences"));
    b.click("ButtonDifferences");
    QCOMPARE(reportRow(b, "Limiter [rpm]"),
             QStringList({"Limiter [rpm]", "11,000 rpm", "12,300 rpm", "—"}));
    QCOMPARE(b.message(), "Verify error!");
    // A new operation takes the button away.
    b.trigger("MenuVerify");
    QVERIFY(!b.shown("ButtonDifferences"));
}

// Ctrl+D reads pages 1 and 2 only, leaves the screen and opens the report.
void tst_WindowCompare::compareWithUnit() {
    WindowBench b;
    QVERIFY(b.ok());
    unitWithOtherLimiter(b);
    const DeviceImage before = b.session().image();
    b.w->show();
    if (!QTest::qWaitForWindowActive(b.w.get()))
        QSKIP("the window cannot become active on this platform");
    QTest::keyClick(b.w.get(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(b.message(), "Read device:");
    QVERIFY(b.run());
    QCOMPARE(b.operationRequests(), (std::vector<std::uint8_t>{0x41, 0x42}));
    QVERIFY(b.session().image() == before);
    QCOMPARE(reportRow(b, "Limiter [rpm]"),
             QStringList({"Limiter [rpm]", "11,000 rpm", "12,300 rpm", "—"}));
}

QTEST_MAIN(tst_WindowCompare)
#include "tst_windowcompare.moc"
