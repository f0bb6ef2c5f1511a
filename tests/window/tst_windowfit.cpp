// The window on small and large screens: every control can be reached and is seen whole,
// scrolled into view where the window is smaller than its pages; on a large screen the map's
// cells and the live figures take the room; the size is kept for the next run.

#include "TestWindow.h"
#include "params/Messages.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

namespace {

// What of `c` must be seen to use it: all of it, but a check box stretched by its layout
// only as far as its box and caption reach.
QRect needed(const QWidget* c) {
    if (qobject_cast<const QCheckBox*>(c))
        return QRect(QPoint(), c->size().boundedTo(c->sizeHint()));
    return c->rect();
}

// The part of needed(c) that the window shows: cut by every widget around it.
QSize shownPart(const QWidget* c) {
    QRect r = needed(c);
    for (const QWidget* w = c; !w->isWindow(); w = w->parentWidget()) {
        r.translate(w->pos());
        r &= w->parentWidget()->rect();
    }
    return r.size();
}

// The controls a user works with inside `root`, as shown.
QList<QWidget*> controls(QWidget* root) {
    QList<QWidget*> out;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) ||
                             qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w);
        if (control && w->isVisibleTo(root->window()) && !w->objectName().isEmpty())
            out << w;
    }
    return out;
}

// Scrolls all of `c` into view in the scroll area around it, as a user would, when there is
// one (ensureWidgetVisible would settle for a field's text cursor).
void bringIntoView(QWidget* c) {
    for (QWidget* w = c->parentWidget(); w; w = w->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(w)) {
            const QRect r = needed(c).translated(c->mapTo(area->widget(), QPoint()));
            area->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 1,
                                r.height() / 2 + 1);
            return;
        }
}

} // namespace

class tst_WindowFit : public QObject {
    Q_OBJECT

private slots:
    void everyControlReachable_data();
    void everyControlReachable();
    void resultMessageWhole();
    void largeScreenGrowsMapAndLiveFigures();
    void sizeKeptBetweenRuns();
    void rowAloneKeepsItsPlaceScaled();
};

void tst_WindowFit::everyControlReachable_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("800 x 600") << QSize(800, 600);
    QTest::newRow("1024 x 600") << QSize(1024, 600);
    QTest::newRow("1920 x 1080") << QSize(1920, 1080);
}

void tst_WindowFit::everyControlReachable() {
    QFETCH(QSize, size);
    TestWindow t({"ENGLISH"});
    QMainWindow& w = t.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(size);
    QTRY_COMPARE(w.size(), size);

    auto* tabs = w.findChild<QTabWidget*>("PageControl1");
    int checked = 0;
    for (int page = 0; page < tabs->count(); ++page) {
        QVERIFY(openPage(w, page));
        QCoreApplication::processEvents(); // the page laid out at its size
        for (QWidget* c : controls(&w)) {
            bringIntoView(c);
            QVERIFY2(shownPart(c) == needed(c).size(),
                     qPrintable(QString("%1 on page %2").arg(c->objectName()).arg(page + 1)));
            ++checked;
        }
    }
    QVERIFY(checked > 100);
}

// On the smallest screen the longest result message is read whole; the file path gives way.
void tst_WindowFit::resultMessageWhole() {
    TestWindow t({"DEUTSCH"});
    QMainWindow& w = t.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(800, 600);
    QTRY_COMPARE(w.size(), QSize(800, 600));
    auto* label = w.findChild<QLabel*>("LabelHlaseni");
    const QString longest =
        QString::fromStdString(messageText(vortan::Message::ProgramFailed, vortan::German));
    label->setText(longest); // as the session shows it at the end of a program
    label->show();
    QCoreApplication::processEvents();
    QTRY_VERIFY2(label->contentsRect().width() >= label->fontMetrics().horizontalAdvance(longest),
                 qPrintable(QString::number(label->width())));
}

void tst_WindowFit::largeScreenGrowsMapAndLiveFigures() {
    TestWindow t({"ENGLISH"});
    QMainWindow& w = t.start();
    QVERIFY(showMapPage(w, false));
    auto* cell = w.findChild<QWidget*>("Edit149");
    auto* rpm = w.findChild<QLabel*>("LabelRpm");
    const QSize cellBefore = cell->size();
    const qreal rpmBefore = rpm->font().pointSizeF();
    w.resize(1920, 1080);
    QTRY_COMPARE(w.size(), QSize(1920, 1080));
    QTRY_VERIFY(cell->width() > cellBefore.width() * 1.3);
    QVERIFY(cell->height() > cellBefore.height() * 1.3);
    QVERIFY(rpm->font().pointSizeF() > rpmBefore * 1.5);
}

void tst_WindowFit::sizeKeptBetweenRuns() {
    TestWindow t({"ENGLISH"});
    {
        QMainWindow& w = t.start();
        w.show();
        w.resize(780, 560);
        QTRY_COMPARE(w.size(), QSize(780, 560));
        w.close();
    }
    QMainWindow& again = t.start();
    QCOMPARE(again.size(), QSize(780, 560));
}

// Without the throttle map the 100 % row stands alone at the top of the map, and stays there
// when the page scales, whichever way round the switch and the resize come.
void tst_WindowFit::rowAloneKeepsItsPlaceScaled() {
    TestWindow t({"ENGLISH"});
    QMainWindow& w = t.start();
    QVERIFY(showMapPage(w, false));
    auto* cell = w.findChild<QWidget*>("Edit149");
    auto* top = w.findChild<QWidget*>("LabelTps1");
    auto* bottom = w.findChild<QWidget*>("LabelTps10");
    auto level = [cell](QWidget* label) {
        return std::abs(cell->geometry().center().y() - label->geometry().center().y()) <
               cell->height() / 2;
    };
    QVERIFY(level(top));
    w.resize(1920, 1080);
    QTRY_VERIFY(cell->width() > 80);
    QVERIFY(level(top));
    QVERIFY(showMapPage(w, true));
    QVERIFY(level(bottom));
    w.resize(1000, 700);
    QTRY_VERIFY(cell->width() < 80);
    QVERIFY(level(bottom));
}

QTEST_MAIN(tst_WindowFit)
#include "tst_windowfit.moc"
