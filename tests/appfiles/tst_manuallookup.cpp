// Where the help command looks for the manual: the first folder that holds it wins.

#include "app/ManualLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vortan;

class tst_ManualLookup : public QObject {
    Q_OBJECT
private slots:
    void foldersInOrder();
    void firstFolderHoldingIt_data();
    void firstFolderHoldingIt();
    void documentBeforeHtml_data();
    void documentBeforeHtml();
};

void tst_ManualLookup::foldersInOrder() {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList folders = manualFolders();
    QCOMPARE(folders.size(), 3);
    QCOMPARE(folders.at(0), appDir + "/../share/vortan2/doc");
    QCOMPARE(folders.at(1), appDir + "/doc");
    // The source tree's manual folder.
    QVERIFY(folders.at(2).endsWith("/doc"));
    QVERIFY(QFileInfo(folders.at(2)).isDir());
}

void tst_ManualLookup::firstFolderHoldingIt_data() {
    QTest::addColumn<QStringList>("holding");
    QTest::addColumn<QString>("found"); // empty: none
    QTest::newRow("all") << QStringList{"a", "b", "c"} << "a";
    QTest::newRow("second and third") << QStringList{"b", "c"} << "b";
    QTest::newRow("last") << QStringList{"c"} << "c";
    QTest::newRow("none") << QStringList{} << "";
}

void tst_ManualLookup::firstFolderHoldingIt() {
    QFETCH(QStringList, holding);
    QFETCH(QString, found);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString name = "Manual_Vortan15_en.doc";
    QStringList folders;
    for (const char* f : {"a", "b", "c"}) {
        folders << root.filePath(f);
        QVERIFY(QDir().mkpath(folders.back()));
    }
    for (const QString& f : holding) {
        QFile file(root.filePath(f + '/' + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // Another language's manual is no match.
    QFile other(root.filePath("a/Manual_Vortan15_cz.doc"));
    QVERIFY(other.open(QIODevice::WriteOnly));

    const QString path = findManual(name, folders);
    if (found.isEmpty())
        QVERIFY(path.isEmpty());
    else
        QCOMPARE(path, QDir(root.filePath(found)).absoluteFilePath(name));
}

// The word-processor manual where one is installed, else the HTML manual of the language.
void tst_ManualLookup::documentBeforeHtml_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("found"); // empty: none
    QTest::newRow("both") << QStringList{"Manual_Vortan15_de.doc", "manual_de.html"}
                          << "Manual_Vortan15_de.doc";
    QTest::newRow("HTML only") << QStringList{"manual_de.html", "manual_en.html"}
                               << "manual_de.html";
    QTest::newRow("another language only") << QStringList{"manual_en.html"} << "";
}

void tst_ManualLookup::documentBeforeHtml() {
    QFETCH(QStringList, files);
    QFETCH(QString, found);
    QTemporaryDir root;
    for (const QString& f : files) {
        QFile file(root.filePath(f));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString path = manualFor(2, {root.path()}); // German
    QCOMPARE(path, found.isEmpty() ? QString() : root.filePath(found));
}

QTEST_GUILESS_MAIN(tst_ManualLookup)
#include "tst_manuallookup.moc"
