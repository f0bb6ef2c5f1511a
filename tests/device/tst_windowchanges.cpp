// What the window tells of the changes not yet in the unit: the counts in the status bar and
// the orange frames on the fields that differ from the unit's set, both following every edit,
// undo and device operation in the tick in which it happens; and the restore point that a
// program ending in "Verify OK" leaves.

#include "WindowBench.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

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

} // namespace

class tst_WindowChanges : public QObject {
    Q_OBJECT
private slots:
    void editsAfterReadAreMarkedAndCounted();
    void restorePointErrorIsSaidOnce();
    void restorePointOpensAsOneEdit();
};

void tst_WindowChanges::editsAfterReadAreMarkedAndCounted() {
    WindowBench b;
    QVERIFY(b.ok());
    b.w->show();
    b.tick();
    QVERIFY(b.counts().startsWith("Unit: unknown"));
    b.trigger("MenuRead");
    QVERIFY(b.run());
    b.tick();
    QVERIFY(b.counts().startsWith("In unit"));
    QVERIFY(markedCells(b).isEmpty());

    const QStringList cells = {"Edit51", "Edit77", "Edit149"};
    for (const QString& name : cells)
        b.type(name, QString::number(b.edit(name)->value() == 5 ? 6 : 5));
    b.tick();
    QCOMPARE(markedCells(b), cells);
    QVERIFY(b.counts().startsWith("Not in unit: 3"));

    for (int i = 0; i < 3; ++i)
        b.trigger("MenuUndo");
    b.tick();
    QVERIFY(markedCells(b).isEmpty());
    QVERIFY(b.counts().startsWith("In unit"));
}

void tst_WindowChanges::restorePointErrorIsSaidOnce() {
    QTemporaryDir data;
    QFile blocker(data.path() + "/Vortan2");
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder would be
    blocker.close();
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qputenv("LOCALAPPDATA", data.path().toLocal8Bit()); // on Windows
    WindowBench b;
    QVERIFY(b.ok());
    for (const bool said : {true, false}) {
        b.w->statusBar()->clearMessage();
        b.trigger("MenuProgram");
        QVERIFY(b.run());
        QCOMPARE(b.message(), QString("Verify OK"));
        QCOMPARE(b.w->statusBar()->currentMessage(),
                 said ? "Restore point could not be written to " + data.path() + "/Vortan2/history"
                      : QString());
    }
}

void tst_WindowChanges::restorePointOpensAsOneEdit() {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qputenv("LOCALAPPDATA", data.path().toLocal8Bit()); // on Windows
    WindowBench b;
    QVERIFY(b.ok());
    b.trigger("MenuProgram");
    QVERIFY(b.run());
    const DeviceImage programmed = b.session().image();
    b.type(mapCellName(9, 0), "40");
    b.type(mapCellName(9, 9), "41");
    const DeviceImage edited = b.session().image();

    QStringList row;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("Restore points"));
        auto* list = dialog->findChild<QTreeWidget*>("RestorePointsList");
        QCOMPARE(list->topLevelItemCount(), 1);
        for (int c = 2; c < 5; ++c)
            row << list->topLevelItem(0)->text(c);
        QTest::mouseClick(dialog->findChild<QPushButton*>("RestorePointsOpen"), Qt::LeftButton);
    });
    b.trigger("MenuRestorePoints");
    QCOMPARE(row.mid(1), (QStringList{"(no file)", "2"}));
    QVERIFY(!row.front().isEmpty());
    QVERIFY(b.session().image() == programmed);
    b.trigger("MenuUndo");
    QVERIFY(b.session().image() == edited);

    // Compare shows it beside the screen in the report and leaves the screen as it is.
    QTimer::singleShot(0, [] {
        auto* dialog = QApplication::activeModalWidget();
        QTest::mouseClick(dialog->findChild<QPushButton*>("RestorePointsCompare"), Qt::LeftButton);
    });
    b.trigger("MenuRestorePoints");
    QVERIFY(b.session().image() == edited);
    auto* report = b.w->findChild<QWidget*>("DiffReport");
    QVERIFY(report && report->isVisible());
    report->close();
}

QTEST_MAIN(tst_WindowChanges)
#include "tst_windowchanges.moc"
