// What the window tells of the changes not yet in the unit: the counts in the status bar and
// the orange frames on the fields that differ from the unit's set, both following every edit,
// undo and device operation in the tick in which it happens.

#include "WindowBench.h"

#include <QtTest>

using namespace devtest;

namespace {

// The map cells framed as differing from the unit, by name.
QStringList markedCells(const WindowBench& b) {
    QStringList out;
    for (int i = 50; i < 150; ++i)
        if (b.edit(QString("Edit%1").arg(i))->hasDiffersMark())
            out << QString("Edit%1").arg(i);
    return out;
}

QString counts(const WindowBench& b) {
    return b.label("LabelUnsaved")->text();
}

} // namespace

class tst_WindowChanges : public QObject {
    Q_OBJECT
private slots:
    void editsAfterReadAreMarkedAndCounted();
};

void tst_WindowChanges::editsAfterReadAreMarkedAndCounted() {
    WindowBench b;
    QVERIFY(b.ok());
    b.w->show();
    b.tick();
    QVERIFY(counts(b).startsWith("Unit: unknown"));
    b.w->MenuReadClick();
    QVERIFY(b.run());
    b.tick();
    QVERIFY(counts(b).startsWith("In unit"));
    QVERIFY(markedCells(b).isEmpty());

    const QStringList cells = {"Edit51", "Edit77", "Edit149"};
    for (const QString& name : cells) {
        ParamSpinBox* cell = b.edit(name);
        cell->setFocus();
        cell->selectAll();
        QTest::keyClicks(cell, QString::number(cell->value() == 5 ? 6 : 5));
        QTest::keyClick(cell, Qt::Key_Return);
    }
    b.tick();
    QCOMPARE(markedCells(b), cells);
    QVERIFY(counts(b).startsWith("Not in unit: 3"));

    for (int i = 0; i < 3; ++i)
        b.w->MenuUndoClick();
    b.tick();
    QVERIFY(markedCells(b).isEmpty());
    QVERIFY(counts(b).startsWith("In unit"));
}

QTEST_MAIN(tst_WindowChanges)
#include "tst_windowchanges.moc"
