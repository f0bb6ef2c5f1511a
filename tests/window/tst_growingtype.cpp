// The large type of the live figures: the size at which every text it must show fits.

#include "app/GrowingType.h"

#include <QApplication>
#include <QFontMetrics>
#include <QtTest>

using vortan::GrowingType;

namespace {
int widthAt(QFont font, qreal points, const QString& text) {
    font.setPointSizeF(points);
    return QFontMetrics(font).horizontalAdvance(text);
}
} // namespace

class tst_GrowingType : public QObject {
    Q_OBJECT
private slots:
    void fittedPointSize_data();
    void fittedPointSize();
    void everyDigit();
};

// The room is the width of `roomOf` at `roomAt` points, plus `plus` pixels; 0 points: none.
void tst_GrowingType::fittedPointSize_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<qreal>("wanted");
    QTest::addColumn<QString>("roomOf");
    QTest::addColumn<qreal>("roomAt");
    QTest::addColumn<int>("plus");
    QTest::addColumn<bool>("kept"); // the wanted size itself
    const QString advance = QString::fromUtf8("ADVANCE = 888 [°]");
    QTest::newRow("room to spare") << QStringList{advance} << 30.0 << advance << 30.0 << 20 << true;
    QTest::newRow("just room") << QStringList{advance} << 30.0 << advance << 30.0 << 0 << true;
    QTest::newRow("one pixel short")
        << QStringList{advance} << 30.0 << advance << 30.0 << -1 << false;
    QTest::newRow("the longest text decides")
        << QStringList{"RPM = 1", advance, "A"} << 30.0 << advance << 15.0 << 0 << false;
    QTest::newRow("below the start size")
        << QStringList{advance} << 12.0 << advance << 6.0 << 0 << false;
}

void tst_GrowingType::fittedPointSize() {
    QFETCH(QStringList, texts);
    QFETCH(qreal, wanted);
    QFETCH(QString, roomOf);
    QFETCH(qreal, roomAt);
    QFETCH(int, plus);
    QFETCH(bool, kept);
    QFont font = QApplication::font();
    font.setBold(true);
    const int width = widthAt(font, roomAt, roomOf) + plus;
    const qreal size = GrowingType::fittedPointSize(font, wanted, texts, width);
    auto fits = [&](qreal points) {
        for (const QString& t : texts)
            if (widthAt(font, points, t) > width)
                return false;
        return true;
    };
    QVERIFY(fits(size));
    if (kept) {
        QCOMPARE(size, wanted);
    } else {
        QVERIFY(size < wanted);
        QVERIFY2(!fits(size + 0.25), qPrintable(QString::number(size))); // the largest that fits
    }
}

void tst_GrowingType::everyDigit() {
    const QStringList texts = GrowingType::everyDigit("RPM = 65535 ");
    QCOMPARE(texts.size(), 11);
    QCOMPARE(texts.front(), QString("RPM = 00000 "));
    QVERIFY(texts.contains("RPM = 88888 "));
    QCOMPARE(texts.back(), QString("RPM = ----- "));
}

QTEST_MAIN(tst_GrowingType)
#include "tst_growingtype.moc"
