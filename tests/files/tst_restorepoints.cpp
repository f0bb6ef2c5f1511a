// Restore points: their names from the date, time and unit, which the pruning deletes, and
// what the list and the file label say they came from.

#include "settings/RestorePoints.h"

#include <QTemporaryDir>
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
    void labels_data();
    void labels();
    void indexKeepsWhetherEdited();
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

void tst_RestorePoints::labels_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("edited"); // -1 unknown (an older index), 0 same as the file, 1 edited
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("origin");
    QTest::addColumn<QString>("label");
    const QString tune = "/home/t/tunes/tune1.ign";
    QTest::newRow("no file") << QString() << -1 << 1 << "(no file)"
                             << "Restore point 2026-12-08 14:05:33";
    QTest::newRow("the file's set") << tune << 0 << 1 << "tune1.ign"
                                    << "Restore point 2026-12-08 14:05:33 (tune1.ign)";
    QTest::newRow("edited") << tune << 1 << 1 << "edited from tune1.ign"
                            << "Restore point 2026-12-08 14:05:33 (edited from tune1.ign)";
    QTest::newRow("older index") << tune << -1 << 1 << "tune1.ign"
                                 << "Restore point 2026-12-08 14:05:33 (tune1.ign)";
    QTest::newRow("edited, Czech") << tune << 1 << 0 << "upraveno z tune1.ign"
                                   << "Bod obnovení 2026-12-08 14:05:33 (upraveno z tune1.ign)";
    QTest::newRow("edited, German")
        << tune << 1 << 2 << "geändert gegenüber tune1.ign"
        << "Wiederherstellungspunkt 2026-12-08 14:05:33 (geändert gegenüber tune1.ign)";
    QTest::newRow("no file, German") << QString() << -1 << 2 << "(keine Datei)"
                                     << "Wiederherstellungspunkt 2026-12-08 14:05:33";
}

void tst_RestorePoints::labels() {
    QFETCH(QString, file);
    QFETCH(int, edited);
    QFETCH(int, language);
    QFETCH(QString, origin);
    QFETCH(QString, label);
    RestoreSource source{file, std::nullopt};
    if (edited >= 0)
        source.edited = edited == 1;
    QCOMPARE(restorePointOrigin(source, language), origin);
    const RestorePointInfo info{QDateTime(QDate(2026, 12, 8), QTime(14, 5, 33)), "VRT07"};
    QCOMPARE(restorePointLabel(info, source, language), label);
}

// The index says of each point whether it was edited, and still reads lines that do not.
void tst_RestorePoints::indexKeepsWhetherEdited() {
    QTemporaryDir dir;
    QFile old(dir.filePath("index.tsv"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("2025-01-01_00-00-00_A.ign\t/t/old.ign\n");
    old.close();
    const QString a = "2026-12-08_14-05-33_A.ign";
    const QString b = "2026-12-08_14-06-00_A.ign";
    QVERIFY(writeRestorePoint(dir.path(), a, "x", {"/t/tune1.ign", true}));
    QVERIFY(writeRestorePoint(dir.path(), b, "x", {"/t/tune1.ign", false}));
    const QHash<QString, RestoreSource> index = readRestoreIndex(dir.path());
    QCOMPARE(index.size(), 3);
    QCOMPARE(index[a].file, QString("/t/tune1.ign"));
    QCOMPARE(index[a].edited, std::optional<bool>(true));
    QCOMPARE(index[b].edited, std::optional<bool>(false));
    QCOMPARE(index["2025-01-01_00-00-00_A.ign"].file, QString("/t/old.ign"));
    QVERIFY(!index["2025-01-01_00-00-00_A.ign"].edited);
}

QTEST_GUILESS_MAIN(tst_RestorePoints)
#include "tst_restorepoints.moc"
