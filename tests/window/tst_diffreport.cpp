// The difference report in the window: its rows against the unit's and the file's sets, the
// values taken over as one undoable edit, and the line shown when nothing differs.

#include "TestWindow.h"
#include "app/DiffReport.h"
#include "files/ParamFile.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace vortan;

namespace {

struct Report {
    TestWindow t{{"ENGLISH"}};
    QMainWindow& w = t.start();
    QTemporaryDir files;
    DiffReport* report = nullptr;
    QTreeWidget* tree = nullptr;

    // The unit holds another limiter and one map cell, the file another clutch time.
    void open(bool withFile) {
        DeviceImage unit = t.session().image();
        unit[Byte::LIMITER2] = 120;
        unit.map(2, 3) = 40;
        if (withFile) {
            DeviceImage file = t.session().image();
            file[Byte::CLUTCH] = 30;
            // Compared as a file the tuner chose.
            const QString path = files.filePath("file.ign");
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(QByteArray::fromStdString(writeParamFile(file, false, "\n")));
            out.close();
            QVERIFY(t.session().compareWithFile(path));
        }
        compareWithUnit(w, unit);
        found();
    }
    void found() {
        report = find<DiffReport>(w, "DiffReport");
        tree = find<QTreeWidget>(*report, "TreeDifferences");
    }
    QTreeWidgetItem* row(const QString& name) const {
        const auto found = tree->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.front();
    }
    QStringList texts(const QTreeWidgetItem* item) const {
        QStringList out;
        for (int c = 0; c < DiffReport::ColumnCount; ++c)
            out << item->text(c);
        return out;
    }
    void click(const char* button) {
        QTest::mouseClick(report->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    bool nothingDiffers() const {
        return report->findChild<QLabel*>("LabelNoDifferences")->isVisibleTo(report);
    }
};

} // namespace

class tst_DiffReport : public QObject {
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void takeUnitValuesThenUndo();
    void compareWithFileKeepsScreen();
    void namesShownWhole_data();
    void namesShownWhole();
};

void tst_DiffReport::rows_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("header");
    QTest::newRow("unit only") << int(English) << false << "Limiter [rpm]"
                               << QStringList{"11,000 rpm", "12,000 rpm", "—"} << "In the unit";
    QTest::newRow("file too") << int(English) << true << "Clutch m. [ms]"
                              << QStringList{"200 ms", "200 ms", "300 ms"} << "In the unit";
    QTest::newRow("German") << int(German) << true << "Begrenzer [rpm]"
                            << QStringList{"11,000 rpm", "12,000 rpm", "11,000 rpm"}
                            << "In der Zündbox";
}

void tst_DiffReport::rows() {
    QFETCH(int, language);
    QFETCH(bool, withFile);
    QFETCH(QString, name);
    QFETCH(QStringList, values);
    QFETCH(QString, header);
    Report r;
    chooseLanguage(r.w, language);
    r.open(withFile);
    QVERIFY(r.report->isVisible());
    QCOMPARE(r.tree->topLevelItemCount(), withFile ? 3 : 2);
    const QTreeWidgetItem* item = r.row(name);
    QVERIFY(item);
    QCOMPARE(r.texts(item).mid(1), values);
    QCOMPARE(r.tree->headerItem()->text(DiffReport::ColumnUnit), header);
    // The unit's value is emphasised where it differs from the screen's.
    QCOMPARE(item->font(DiffReport::ColumnUnit).bold(), values[0] != values[1]);
    const QTreeWidgetItem* map = r.tree->topLevelItem(r.tree->topLevelItemCount() - 1);
    QCOMPARE(map->childCount(), 1);
    QCOMPARE(map->child(0)->text(DiffReport::ColumnUnit), "40°");
    QVERIFY(!r.nothingDiffers());
}

void tst_DiffReport::takeUnitValuesThenUndo() {
    Report r;
    r.open(false);
    // The selected row only.
    const QTreeWidgetItem* limiter = r.row("Limiter [rpm]");
    QTest::mouseClick(r.tree->viewport(), Qt::LeftButton, {},
                      r.tree->visualItemRect(limiter).center());
    r.click("ButtonTakeUnit");
    QCOMPARE(r.t.session().image()[Byte::LIMITER2], 120);
    QCOMPARE(r.tree->topLevelItemCount(), 1);
    // Then, nothing selected, every row: the map cell.
    r.click("ButtonTakeUnit");
    QCOMPARE(r.t.session().image().map(2, 3), 40);
    QVERIFY(r.nothingDiffers());
    QCOMPARE(r.tree->topLevelItemCount(), 0);
    // Each take is one edit.
    find<QAction>(r.w, "MenuUndo")->trigger();
    QVERIFY(r.t.session().image().map(2, 3) != 40);
    QCOMPARE(r.t.session().image()[Byte::LIMITER2], 120);
    QVERIFY(!r.nothingDiffers());
}

// The file's set becomes the third column; the screen, its history and file label stay.
void tst_DiffReport::compareWithFileKeepsScreen() {
    Report r;
    DeviceImage other = r.t.session().image();
    other[Byte::LIMITER1] = 60;
    const QString path = r.t.folder() + "/other.ign";
    r.t.writeFile("other.ign", QByteArray::fromStdString(writeParamFile(other, false, "\n")));
    const DeviceImage before = r.t.session().image();
    answerFileDialog(path);
    find<QAction>(r.w, "MenuCompareFile")->trigger();
    r.found();
    QVERIFY(r.report->isVisible());
    QCOMPARE(r.tree->topLevelItemCount(), 1);
    QCOMPARE(r.texts(r.row("Start Limiter [rpm]")).mid(1),
             QStringList({"5,000 rpm", "—", "6,000 rpm"}));
    QVERIFY(r.t.session().image() == before);
    QVERIFY(!find<QAction>(r.w, "MenuUndo")->isEnabled());
    QVERIFY(find<QLabel>(r.w, "LabelFile2")->text().isEmpty());
}

void tst_DiffReport::namesShownWhole_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("Czech") << int(Czech);
    QTest::newRow("English") << int(English);
    QTest::newRow("German") << int(German);
}

// Every name is shown whole, the map's cells too once their group is opened, and all the
// columns fit the report without scrolling.
void tst_DiffReport::namesShownWhole() {
    QFETCH(int, language);
    Report r;
    chooseLanguage(r.w, language);
    r.open(true);
    auto whole = [&r] {
        for (QTreeWidgetItemIterator it(r.tree); *it; ++it) {
            const QTreeWidgetItem* item = *it;
            if (item->parent() && !item->parent()->isExpanded())
                continue;
            const int needed = QFontMetrics(item->font(DiffReport::ColumnName))
                                   .horizontalAdvance(item->text(DiffReport::ColumnName)) +
                               r.tree->indentation() * (item->parent() ? 2 : 1);
            if (r.tree->columnWidth(DiffReport::ColumnName) < needed)
                return false;
        }
        return true;
    };
    QVERIFY(whole());
    QTreeWidgetItem* map = r.tree->topLevelItem(r.tree->topLevelItemCount() - 1);
    QTest::mouseClick(r.tree->viewport(), Qt::LeftButton, {}, r.tree->visualItemRect(map).center());
    QTest::keyClick(r.tree, Qt::Key_Right);
    QVERIFY(map->isExpanded());
    QVERIFY(whole());
    QTRY_COMPARE(r.tree->horizontalScrollBar()->maximum(), 0);
}

QTEST_MAIN(tst_DiffReport)
#include "tst_diffreport.moc"
