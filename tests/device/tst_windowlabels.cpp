// The labels of the window seen whole on small and large screens, in every language: the
// file's path beside the unit's version, the large engine speed and advance at their widest.

#include "WindowBench.h"
#include "controls/PathLabel.h"

#include <QDir>
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>

using namespace devtest;

namespace {

// `w` shown at `size` with its layout done.
bool showAt(QMainWindow& w, QSize size) {
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    w.resize(size);
    for (int i = 0; i < 100 && w.size() != size; ++i)
        QTest::qWait(20);
    QCoreApplication::processEvents();
    return w.size() == size;
}

// The widest text of `texts` in the label's own type fits what the label shows of it.
bool fitsWhole(const QLabel* label, const QString& text) {
    return QFontMetrics(label->font()).horizontalAdvance(text) <= label->contentsRect().width();
}

QRect inWindow(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint()), w->size());
}

} // namespace

class tst_WindowLabels : public QObject {
    Q_OBJECT
private slots:
    void fileLabelBesideVersion_data();
    void fileLabelBesideVersion();
    void largeTypeFitsWidestValues_data();
    void largeTypeFitsWidestValues();
};

void tst_WindowLabels::fileLabelBesideVersion_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("language");
    for (const char* l : {"CESKY", "ENGLISH", "DEUTSCH"}) {
        QTest::addRow("800 x 600 %s", l) << QSize(800, 600) << l;
        QTest::addRow("1400 x 1000 %s", l) << QSize(1400, 1000) << l;
    }
}

// The file label gives way to its neighbours and shows the file's name whole, the folders
// elided in the middle; the whole path stays its text.
void tst_WindowLabels::fileLabelBesideVersion() {
    QFETCH(QSize, size);
    QFETCH(QString, language);
    WindowBench b({}, {language});
    QVERIFY(b.ok());
    QVERIFY(showAt(*b.w, size));
    QTest::mouseClick(b.find<QPushButton>("Button1"), Qt::LeftButton);
    QVERIFY(b.run());
    QVERIFY(!b.label("LabelVerze1")->text().isEmpty());
    const QString folder = b.config.path() + "/tuning/Yamaha R6 race bike/season 2026/track day";
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/tune1.ign";
    QVERIFY(b.session().saveFile(path));
    QVERIFY(b.session().openFile(path));
    QCoreApplication::processEvents();

    auto* file = b.find<vortan::PathLabel>("LabelFile2");
    QVERIFY(file);
    QCOMPARE(file->text(), path);
    const QString shown = file->shownText();
    QVERIFY2(shown.endsWith("/tune1.ign"), qPrintable(shown));
    QVERIFY(fitsWhole(file, shown));
    const QRect drawn = inWindow(file);
    for (const char* other : {"LabelFile1", "CGauge", "ButtonDifferences", "LabelVerze1",
                              "LabelVerze2", "LabelVerze3"}) {
        const QWidget* o = b.find<QWidget>(other);
        QVERIFY2(!drawn.intersects(inWindow(o)), other);
    }
    for (const char* name : {"LabelFile1", "LabelVerze1", "LabelVerze2", "LabelVerze3"}) {
        const QLabel* l = b.label(name);
        QVERIFY2(fitsWhole(l, l->text()), name);
        QVERIFY2(b.w->rect().contains(inWindow(l)), name);
    }
}

void tst_WindowLabels::largeTypeFitsWidestValues_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("language");
    for (const char* l : {"CESKY", "ENGLISH", "DEUTSCH"})
        for (QSize s : {QSize(800, 600), QSize(1400, 1000), QSize(1920, 1080)})
            QTest::addRow("%d x %d %s", s.width(), s.height(), l) << s << l;
}

// At its start-up text and at the widest speed and advance a packet carries, the engine speed
// and advance are shown whole, in type that still grows with the window.
void tst_WindowLabels::largeTypeFitsWidestValues() {
    QFETCH(QSize, size);
    QFETCH(QString, language);
    WindowBench b({}, {language});
    QVERIFY(b.ok());
    QLabel* rpm = b.label("LabelRpm");
    QLabel* advance = b.label("LabelAdvance");
    const qreal before = rpm->font().pointSizeF();
    QVERIFY(showAt(*b.w, size));
    QVERIFY(fitsWhole(rpm, rpm->text()));
    QVERIFY(fitsWhole(advance, advance->text()));
    MonitorPacket widest = packet(65535, 50);
    widest.advance = 255;
    b.feed(widest);
    QCOMPARE(rpm->text(), QString("RPM = 65535 "));
    QCOMPARE(advance->text(), QString::fromUtf8("ADVANCE = 255 [°]"));
    QCoreApplication::processEvents();
    QVERIFY2(fitsWhole(rpm, rpm->text()), qPrintable(QString::number(rpm->font().pointSizeF())));
    QVERIFY2(fitsWhole(advance, advance->text()),
             qPrintable(QString::number(advance->font().pointSizeF())));
    if (size.width() > 1000)
        QVERIFY(rpm->font().pointSizeF() > before * 1.2);
}

QTEST_MAIN(tst_WindowLabels)
#include "tst_windowlabels.moc"
