// Restore points: their names from the date, time and unit, and which the pruning deletes.

#include "files/RestorePoints.h"

#include <QtTest>

using namespace vortan;

class tst_RestorePoints : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void foreignNamesAreNoRestorePoints_data();
    void foreignNamesAreNoRestorePoints();
    void pruning_data();
    void pruning();
};

void tst_RestorePoints::names_data() {
    QTest::addColumn<QString>("identification");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("unit");
    QTest::newRow("plain") << "VRT07"
                           << "2026-12-08_14-05-33_VRT07.ign"
                           << "VRT07";
    QTest::newRow("padded firmware name") << "  Vortan 2 v1.5   "
                                          << "2026-12-08_14-05-33_Vortan_2_v1_5.ign"
                                          << "Vortan_2_v1_5";
    QTest::newRow("path and dots") << "../x/./y"
                                   << "2026-12-08_14-05-33_x_y.ign"
                                   << "x_y";
    QTest::newRow("dash and underscore kept") << "A-b_9"
                                              << "2026-12-08_14-05-33_A-b_9.ign"
                                              << "A-b_9";
    QTest::newRow("nothing usable") << " ?*/ "
                                    << "2026-12-08_14-05-33_unit.ign"
                                    << "unit";
}

void tst_RestorePoints::names() {
    QFETCH(QString, identification);
    QFETCH(QString, name);
    QFETCH(QString, unit);
    const QDateTime when(QDate(2026, 12, 8), QTime(14, 5, 33));
    QCOMPARE(restorePointName(when, identification), name);
    const std::optional<RestorePointInfo> info = parseRestorePointName(name);
    QVERIFY(info);
    QCOMPARE(info->when, when);
    QCOMPARE(info->unit, unit);
}

void tst_RestorePoints::foreignNamesAreNoRestorePoints_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("index") << "index.tsv";
    QTest::newRow("user's file") << "race.ign";
    QTest::newRow("no unit") << "2026-12-08_14-05-33.ign";
    QTest::newRow("impossible date") << "2026-13-40_14-05-33_VRT07.ign";
    QTest::newRow("other extension") << "2026-12-08_14-05-33_VRT07.txt";
}

void tst_RestorePoints::foreignNamesAreNoRestorePoints() {
    QFETCH(QString, name);
    QVERIFY(!parseRestorePointName(name));
}

void tst_RestorePoints::pruning_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QStringList>("deleted");
    const QString a = "2025-01-01_00-00-00_A.ign";
    const QString b = "2025-06-30_23-59-59_B.ign";
    const QString c = "2026-12-08_14-05-33_A.ign";
    QTest::newRow("fewer than kept") << QStringList{c, a} << 3 << QStringList{};
    QTest::newRow("exactly kept") << QStringList{a, b, c} << 3 << QStringList{};
    QTest::newRow("oldest goes") << QStringList{b, c, a} << 2 << QStringList{a};
    QTest::newRow("all but newest") << QStringList{a, c, b} << 1 << QStringList{b, a};
}

void tst_RestorePoints::pruning() {
    QFETCH(QStringList, names);
    QFETCH(int, kept);
    QFETCH(QStringList, deleted);
    QCOMPARE(restorePointsToDelete(names, kept), deleted);
}

QTEST_GUILESS_MAIN(tst_RestorePoints)
#include "tst_restorepoints.moc"
