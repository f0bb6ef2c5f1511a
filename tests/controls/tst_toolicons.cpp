#include "controls/ToolIcons.h"

#include <QImage>
#include <QPixmap>
#include <QtTest>

using vortan::ToolGlyph;

namespace {
// Opaque pixels of an icon drawn at `side` logical pixels and `scale` device pixels per pixel.
int inkOf(const QIcon& icon, int side, qreal scale, QIcon::Mode mode, QImage* image = nullptr) {
    const QImage drawn = icon.pixmap(QSize(side, side), scale, mode).toImage();
    if (image)
        *image = drawn;
    int ink = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            ink += qAlpha(drawn.pixel(x, y)) > 128;
    return ink;
}
} // namespace

class tst_ToolIcons : public QObject {
    Q_OBJECT
private slots:
    void drawnAtEveryScale_data() {
        QTest::addColumn<ToolGlyph>("glyph");
        QTest::newRow("new") << ToolGlyph::New;
        QTest::newRow("open") << ToolGlyph::Open;
        QTest::newRow("save") << ToolGlyph::Save;
        QTest::newRow("print") << ToolGlyph::Print;
        QTest::newRow("more") << ToolGlyph::More;
    }
    // At a scale of 2 the icon comes as a pixmap of twice the size (sharp, not a 22 px one
    // stretched) with its glyph in proportion; a disabled icon is paler, not blank.
    void drawnAtEveryScale() {
        QFETCH(ToolGlyph, glyph);
        const QIcon icon = vortan::toolIcon(glyph);
        QImage sharp;
        const int ink1 = inkOf(icon, 22, 1.0, QIcon::Normal);
        const int ink2 = inkOf(icon, 22, 2.0, QIcon::Normal, &sharp);
        QVERIFY2(ink1 > 22, qPrintable(QString::number(ink1)));
        QCOMPARE(sharp.size(), QSize(44, 44));
        QVERIFY2(ink2 > 3 * ink1 && ink2 < 5 * ink1,
                 qPrintable(QString("%1 %2").arg(ink1).arg(ink2)));
        QImage disabled;
        inkOf(icon, 22, 1.0, QIcon::Disabled, &disabled);
        const QImage normal = icon.pixmap(QSize(22, 22), 1.0, QIcon::Normal).toImage();
        int paler = 0;
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 22; ++x)
                paler += qAlpha(disabled.pixel(x, y)) < qAlpha(normal.pixel(x, y));
        QVERIFY(paler > 22);
    }
};

QTEST_MAIN(tst_ToolIcons)
#include "tst_toolicons.moc"
