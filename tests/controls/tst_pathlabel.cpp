// The file label: what of a path it shows in the room it has, and the whole path as its tip.

#include "controls/PathLabel.h"

#include <QHelpEvent>
#include <QRegularExpression>
#include <QToolTip>
#include <QtTest>

using vortan::PathLabel;

class tst_PathLabel : public QObject {
    Q_OBJECT
private slots:
    void shownPath_data();
    void shownPath();
    void tipIsWholePath();
};

// The room is given as the width of a text, plus some pixels.
void tst_PathLabel::shownPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("roomOf");
    QTest::addColumn<int>("plus");
    QTest::addColumn<QString>("shown"); // a pattern of the whole text shown
    const QString path = "/home/tuner/maps/season 2026/tune1.ign";
    const QString dots = QString(QChar(0x2026));
    QTest::newRow("fits") << path << path << 0 << QRegularExpression::escape(path);
    QTest::newRow("one pixel short: folders elided in the middle")
        << path << path << -1 << "/home.*" + dots + ".*2026/tune1\\.ign";
    QTest::newRow("room for the name and some folders")
        << path << "/home/" + dots + "/tune1.ign" << 2 << "/h.*" + dots + ".*/tune1\\.ign";
    QTest::newRow("room for the name only")
        << path << dots + "/tune1.ign" << 0 << dots + "/tune1\\.ign";
    QTest::newRow("less than the name: the name elided")
        << path << "tune1.ign" << -1 << "tu.*" + dots + ".*n";
    QTest::newRow("Windows folders")
        << "C:\\Tuning\\Yamaha R6\\2026\\tune1.ign"
        << "C:\\T" + dots + "\\tune1.ign" << 1 << "C.*" + dots + ".*\\\\tune1\\.ign";
    QTest::newRow("a name without folders") << "averyveryverylongname.ign"
                                            << "averyvery" << 0 << "av.*" + dots + ".*ign";
    QTest::newRow("no room") << path << "" << 0 << "";
}

void tst_PathLabel::shownPath() {
    QFETCH(QString, path);
    QFETCH(QString, roomOf);
    QFETCH(int, plus);
    QFETCH(QString, shown);
    const QFontMetrics metrics(QApplication::font());
    const int width = metrics.horizontalAdvance(roomOf) + plus;
    const QString text = PathLabel::shownPath(path, metrics, width);
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(shown)).match(text).hasMatch(),
             qPrintable(text));
    QVERIFY(metrics.horizontalAdvance(text) <= std::max(width, 0));
}

void tst_PathLabel::tipIsWholePath() {
    PathLabel label;
    label.resize(60, 20);
    label.setText("/home/tuner/maps/season 2026/tune1.ign");
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QVERIFY(label.shownText().endsWith("ign"));
    QVERIFY(label.shownText() != label.text());
    QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), label.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&label, &tip);
    QTRY_COMPARE(QToolTip::text(), label.text());
}

QTEST_MAIN(tst_PathLabel)
#include "tst_pathlabel.moc"
