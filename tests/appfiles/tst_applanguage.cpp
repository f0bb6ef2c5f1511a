// Language switching of the window: every text of the table, the menu ticks, messages
// already shown, the About box and Qt's own dialog texts.

#include "WindowFixture.h"
#include "app/ParamControls.h"
#include "app/ParamView.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabWidget>

using namespace vortan;

namespace {

QString captionOf(QObject* target) {
    if (auto* a = qobject_cast<QAction*>(target))
        return a->text();
    if (auto* m = qobject_cast<QMenu*>(target))
        return m->title();
    if (auto* b = qobject_cast<QAbstractButton*>(target))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(target))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(target))
        return g->title();
    auto* w = qobject_cast<QWidget*>(target);
    if (w && w->isWindow())
        return w->windowTitle();
    // A page's tab: the page, or the scroll area it sits in, is the tab's widget.
    for (QWidget* p = w ? w->parentWidget() : nullptr; p; p = p->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(p))
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i) == w || tabs->widget(i)->isAncestorOf(w))
                    return tabs->tabText(i);
    return QStringLiteral("<no caption>");
}

// Tool tip and status tip as the hint "short|long" sets them.
QPair<QString, QString> hintOf(QObject* target) {
    if (auto* m = qobject_cast<QMenu*>(target))
        target = m->menuAction();
    if (auto* a = qobject_cast<QAction*>(target))
        return {a->toolTip(), a->statusTip()};
    auto* w = qobject_cast<QWidget*>(target);
    return {w->toolTip(), w->statusTip()};
}

QPair<QString, QString> splitHint(const QString& hint) {
    const int bar = hint.indexOf('|');
    return bar < 0 ? qMakePair(hint, hint) : qMakePair(hint.left(bar), hint.mid(bar + 1));
}

// Every table text as it stands on its control, against the row of `language`.
void checkAllTexts(const Window& w, int language) {
    // A control and property set twice keeps the later text.
    QMap<QPair<QString, int>, const UiText*> last;
    std::vector<UiText> texts = uiTexts();
    texts.insert(texts.end(), addedUiTexts().begin(), addedUiTexts().end());
    for (const UiText& t : texts)
        last[{ParamControls::captionName(t.id.c_str()), int(t.property)}] = &t;
    QVERIFY(last.size() > 80);
    for (auto it = last.cbegin(); it != last.cend(); ++it) {
        const QString name = it.key().first;
        QObject* target =
            name == "FormHlav" ? static_cast<QObject*>(w.w.get()) : w->findChild<QObject*>(name);
        QVERIFY2(target, qPrintable(name));
        const QString text = QString::fromStdString(it.value()->in(language));
        if (it.value()->property == TextProperty::Caption)
            QCOMPARE(captionOf(target), text);
        else
            QCOMPARE(hintOf(target), splitHint(text));
    }
}

void checkTicks(const Window& w, int language) {
    QCOMPARE(w.get<QAction>("MenuCzech")->isChecked(), language == Czech);
    QCOMPARE(w.get<QAction>("MenuEnglish")->isChecked(), language == English);
    QCOMPARE(w.get<QAction>("MenuGerman")->isChecked(), language == German);
    QCOMPARE(int(w.session().language()), language);
}

} // namespace

class tst_AppLanguage : public QObject {
    Q_OBJECT

private slots:
    void switchingSetsEveryText();
    void switchingKeepsParameters();
    void messageKeepsItsLanguage();
    void aboutText_data();
    void aboutText();
    void qtDialogTexts_data();
    void qtDialogTexts();
};

void tst_AppLanguage::switchingSetsEveryText() {
    ConfigHome home;
    Window w;
    checkAllTexts(w, Czech);
    for (int language : {English, Czech, German, English}) {
        chooseLanguage(*w.w, language);
        checkTicks(w, language);
        checkAllTexts(w, language);
        if (QTest::currentTestFailed())
            return;
    }
}

void tst_AppLanguage::switchingKeepsParameters() {
    ConfigHome home;
    Window w;
    DeviceImage before = w.session().image();
    before.map(3, 4) = 33;
    showSet(*w.w, before);
    const auto port = w.session().comPort();
    chooseLanguage(*w.w, German);
    chooseLanguage(*w.w, English);
    DeviceImage shown = before;
    ParamView(w.w.get()).read(shown);
    QVERIFY(shown == before);
    QVERIFY(w.session().image() == before);
    QCOMPARE(w.session().comPort(), port);
}

void tst_AppLanguage::messageKeepsItsLanguage() {
    ConfigHome home;
    Window w;
    auto* label = w.get<QLabel>("LabelHlaseni");
    w.get<QAction>("MenuRead")->trigger();
    const QString czech = QString::fromStdString(messageText(Message::ReadStarted, Czech));
    QCOMPARE(label->text(), czech);
    chooseLanguage(*w.w, German);
    QCOMPARE(label->text(), czech);
    chooseLanguage(*w.w, English);
    QCOMPARE(label->text(), czech);
}

void tst_AppLanguage::aboutText_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("head");
    QTest::newRow("Czech") << int(Czech)
                           << QString("Program pro nastavování zapalování" + QString(11, ' ') +
                                      "\n\nverze 2.0\n\n");
    QTest::newRow("English") << int(English)
                             << QString("Programm for setting of ignition" + QString(12, ' ') +
                                        "\n\nversion 2.0\n\n");
    QTest::newRow("German") << int(German)
                            << QString("Program für der Adjustierung der Zündung" +
                                       QString(8, ' ') + "\nVersion 2.0\n\n");
}

void tst_AppLanguage::aboutText() {
    QFETCH(int, language);
    QFETCH(QString, head);
    ConfigHome home;
    Window w;
    chooseLanguage(*w.w, language);
    w.boxes.clear();
    w.get<QAction>("MenuAbout")->trigger();
    QCOMPARE(w.boxes.size(), 1);
    const QString text = w.boxes.front();
    QVERIFY2(text.startsWith(head), qPrintable(text));
    // The compiler's build date and time, in that order.
    const QRegularExpression stamp(
        "^\n?([A-Z][a-z]{2}) ([ 0-9][0-9]) ([0-9]{4})\n\n([0-9]{2}:[0-9]{2}:[0-9]{2})\n\n");
    const auto m = stamp.match(text.mid(head.size()));
    QVERIFY2(m.hasMatch(), qPrintable(text));
    const QDate built = QLocale::c().toDate(
        m.captured(1) + ' ' + m.captured(2).trimmed() + ' ' + m.captured(3), "MMM d yyyy");
    QVERIFY(built.isValid());
    QVERIFY(built <= QDate::currentDate());
    QCOMPARE(text, QString::fromStdString(vortan::aboutText(
                       language,
                       (m.captured(1) + ' ' + m.captured(2) + ' ' + m.captured(3)).toStdString(),
                       m.captured(4).toStdString())));
    QVERIFY(text.endsWith('\n'));
    QVERIFY(text.contains(language == English ? "Contact:\n" : "Kontakt:\n"));
}

void tst_AppLanguage::qtDialogTexts_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("Czech") << int(Czech) << "qtbase_cs" << QString();
    QTest::newRow("German") << int(German) << "qtbase_de"
                            << "Abbrechen";
    QTest::newRow("English") << int(English) << QString() << "Cancel";
}

void tst_AppLanguage::qtDialogTexts() {
    QFETCH(int, language);
    QFETCH(QString, file);
    QFETCH(QString, cancel);
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!file.isEmpty() && !QFile::exists(dir + '/' + file + ".qm"))
        QSKIP("Qt's translations are not installed");
    ConfigHome home;
    Window w;
    chooseLanguage(*w.w, German == language ? Czech : German); // start from another one
    chooseLanguage(*w.w, language);
    QMessageBox box(QMessageBox::NoIcon, "t", "t", QMessageBox::Ok | QMessageBox::Cancel);
    const QString shown = box.button(QMessageBox::Cancel)->text().remove('&');
    if (language == Czech)
        QVERIFY2(shown != "Cancel" && !shown.isEmpty(), qPrintable(shown));
    else
        QCOMPARE(shown, cancel);
}

QTEST_MAIN(tst_AppLanguage)
#include "tst_applanguage.moc"
