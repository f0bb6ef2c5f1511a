// Values outside their fields' ranges and values the rules correct: the list named before a
// program, the corrections told after a read, the line of a typed value refused, and edits the
// rules take back.

#include "lang/Texts.h"
#include "params/Corrections.h"
#include "params/ImageEditor.h"
#include "params/RangeCheck.h"

#include <QLocale>
#include <QtTest>
#include <map>

using namespace vortan;

namespace {

// The window's captions of the labels the rows use; any other shows as <text id>.
std::string caption(const char* textId) {
    static const std::map<std::string, std::string> captions{
        {"StartLimiter", "Start Limiter [rpm]"},
        {"Limiter", "Limiter [rpm]"},
        {"Clutch", "Clutch m. [ms]"},
        {"BaseAdvance", "Base advance [°]"},
        {"N2o1", "N2O 1 [%]"},
        {"N2o2", "N2O 2 [%]"},
        {"GroupBoxGas", "N2O"},
        {"N2oBuildUp", "Build up Time [ms]"},
        {"Retard1", "Spätzündung 1 [°]"},
        {"Retard2", "Spätzündung 2 [°]"},
    };
    const auto found = captions.find(textId);
    return found != captions.end() ? found->second : std::string("<") + textId + ">";
}

DeviceImage defaultsWith(const QList<int>& bytes, const QList<int>& values) {
    DeviceImage image;
    setDefaults(image);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        image[bytes[i]] = static_cast<std::uint8_t>(values[i]);
    return image;
}

QStringList texts(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& l : lines)
        out << QString::fromStdString(l);
    return out;
}

const int kMapCell_20_3000 = Byte::ADVANCE + 4 * kMapColumns + 2; // 20 % row, 3,000 rpm column

} // namespace

class tst_Ranges : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void outOfRange_data();
    void outOfRange();
    void corrections_data();
    void corrections();
    void typedRefused_data();
    void typedRefused();
    void editsTakenBack_data();
    void editsTakenBack();
};

// (bytes set on the defaults, language) → the lines of the values outside their ranges.
void tst_Ranges::outOfRange_data() {
    QTest::addColumn<QList<int>>("bytes");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("defaults") << QList<int>{} << QList<int>{} << int(English) << QStringList{};
    QTest::newRow("at the bounds") << QList<int>{Byte::BASE_ADV, Byte::CLUTCH, kMapCell_20_3000}
                                   << QList<int>{40, 50, 60} << int(English) << QStringList{};
    QTest::newRow("base advance 99") << QList<int>{Byte::BASE_ADV} << QList<int>{99} << int(English)
                                     << QStringList{"Base advance: 99°, range 0..40°"};
    QTest::newRow("file's clutch, base advance and map cell, in page order")
        << QList<int>{kMapCell_20_3000, Byte::BASE_ADV, Byte::CLUTCH} << QList<int>{70, 99, 99}
        << int(English)
        << QStringList{"Clutch m.: 990 ms, range 0..500 ms", "Base advance: 99°, range 0..40°",
                       "Advance 20 % / 3,000 rpm: 70°, range 0..60°"};
    QTest::newRow("map cell, Czech")
        << QList<int>{kMapCell_20_3000} << QList<int>{70} << int(Czech)
        << QStringList{"Předstih 20 % / 3,000 rpm: 70°, rozsah 0..60°"};
    QTest::newRow("servo voltage 0, German")
        << QList<int>{Byte::NAP_PRIV + 3} << QList<int>{0} << int(German)
        << QStringList{"Servospannung, Punkt 4: 0 mV, Bereich 20..5,000 mV"};
    QTest::newRow("TPS 100 % above 4,750 mV")
        << QList<int>{Byte::TPS100} << QList<int>{240} << int(English)
        << QStringList{"<GroupBoxTps> › <Tps100>: 4,900 mV, range 2,500..4,750 mV"};
    QTest::newRow("motorbike type beyond the list")
        << QList<int>{Byte::BIKE} << QList<int>{7} << int(English)
        << QStringList{"Motorbike type: 7, range 0..5"};
}

void tst_Ranges::outOfRange() {
    QFETCH(QList<int>, bytes);
    QFETCH(QList<int>, values);
    QFETCH(int, language);
    const DeviceImage image = defaultsWith(bytes, values);
    std::vector<std::string> lines;
    for (const OutOfRangeValue& v : outOfRangeValues(image, language, caption)) {
        lines.push_back(v.text);
        QVERIFY(isOutOfRange(image, v.byte));
    }
    QTEST(texts(lines), "lines");
    for (const int b : bytes) // the tune sheet's mark follows the same list
        QCOMPARE(isOutOfRange(image, b), !lines.empty());
}

// (bytes the unit holds over the defaults, language) → what normalise corrected, and why.
void tst_Ranges::corrections_data() {
    QTest::addColumn<QList<int>>("bytes");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("nothing to correct")
        << QList<int>{Byte::BASE_ADV} << QList<int>{99} << int(English) << QStringList{};
    QTest::newRow("limiter below start limiter")
        << QList<int>{Byte::LIMITER1, Byte::LIMITER2} << QList<int>{50, 20} << int(English)
        << QStringList{
               "the unit holds Limiter = 2,000 rpm, below Start Limiter; shown as 5,000 rpm"};
    QTest::newRow("limiter above its bound")
        << QList<int>{Byte::LIMITER2} << QList<int>{255} << int(English)
        << QStringList{
               "the unit holds Limiter = 25,500 rpm, above 25,000 rpm; shown as 25,000 rpm"};
    QTest::newRow("start limiter below its bound, limiter kept above it")
        << QList<int>{Byte::LIMITER1} << QList<int>{5} << int(English)
        << QStringList{
               "the unit holds Start Limiter = 500 rpm, below 1,000 rpm; shown as 1,000 rpm"};
    QTest::newRow("clutch above 1,000 ms")
        << QList<int>{Byte::CLUTCH} << QList<int>{150} << int(English)
        << QStringList{"the unit holds Clutch m. = 1,500 ms, above 1,000 ms; shown as 1,000 ms"};
    QTest::newRow("N2O build-up 0, Czech")
        << QList<int>{Byte::GAS_BUILDUP} << QList<int>{0} << int(Czech)
        << QStringList{
               "jednotka obsahuje N2O › Build up Time = 0 ms, méně než 100 ms; zobrazeno jako "
               "100 ms"};
    QTest::newRow("gas 1 above gas 2, Czech")
        << QList<int>{Byte::GAS1, Byte::GAS2} << QList<int>{80, 50} << int(Czech)
        << QStringList{"jednotka obsahuje N2O 1 = 80 %, více než N2O 2; zobrazeno jako 50 %"};
    QTest::newRow("retard 1 above retard 2, German")
        << QList<int>{Byte::RETARD1, Byte::RETARD2} << QList<int>{10, 4} << int(German)
        << QStringList{"die Zündbox enthält Spätzündung 1 = 10°, größer als Spätzündung 2; "
                       "angezeigt als 4°"};
    QTest::newRow("speed axis not rising")
        << QList<int>{Byte::RPM_ADV + 2} << QList<int>{20} << int(English)
        << QStringList{"the unit holds Advance map speed, point 3 = 2,000 rpm, not above "
                       "Advance map speed, point 2; shown as 2,100 rpm"};
}

void tst_Ranges::corrections() {
    QFETCH(QList<int>, bytes);
    QFETCH(QList<int>, values);
    QFETCH(int, language);
    const DeviceImage held = defaultsWith(bytes, values);
    DeviceImage shown = held;
    normalise(shown);
    std::vector<std::string> lines;
    for (const Correction& c : vortan::corrections(held, shown, language, caption)) {
        lines.push_back(c.text);
        QVERIFY(held[c.byte] != shown[c.byte]);
    }
    QTEST(texts(lines), "lines");
}

void tst_Ranges::typedRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("kept");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("line");
    QTest::newRow("limiter") << "Limiter [rpm]" << 30000 << 999 << 25000 << 11000 << int(English)
                             << "Limiter [rpm]: 30,000 is outside 999..25,000; kept 11,000";
    QTest::newRow("map cell, Czech")
        << "Předstih 20 % / 3,000 rpm" << 75 << 0 << 60 << 15 << int(Czech)
        << "Předstih 20 % / 3,000 rpm: 75 je mimo rozsah 0..60; ponechána hodnota 15";
    QTest::newRow("TPS 0 %, German")
        << "TPS › 0%  [mV]" << 100 << 250 << 2500 << 700 << int(German)
        << "TPS › 0%  [mV]: 100 liegt außerhalb von 250..2,500; 700 beibehalten";
}

void tst_Ranges::typedRefused() {
    QFETCH(QString, name);
    QFETCH(int, typed);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, kept);
    QFETCH(int, language);
    QTEST(QString::fromStdString(
              typedRefusedText(name.toStdString(), typed, minimum, maximum, kept, language)),
          "line");
}

// (the set before: bytes over the defaults; the edit: bytes over that set) → whether it is a step
// of the history, and the edited bytes afterwards.
void tst_Ranges::editsTakenBack_data() {
    QTest::addColumn<int>("name");
    QTest::addColumn<QList<int>>("beforeBytes");
    QTest::addColumn<QList<int>>("beforeValues");
    QTest::addColumn<QList<int>>("bytes");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<bool>("step");
    QTest::addColumn<QList<int>>("after");
    const QList<int> limiter2{Byte::LIMITER2};
    QTest::newRow("unit's limiter below start limiter taken, as read")
        << int(EditName::TakeUnit) << limiter2 << QList<int>{50} << limiter2 << QList<int>{20}
        << false << QList<int>{50};
    QTest::newRow("limiter typed below start limiter, at it already")
        << int(EditName::Field) << limiter2 << QList<int>{50} << limiter2 << QList<int>{30} << false
        << QList<int>{50};
    QTest::newRow("limiter typed below start limiter")
        << int(EditName::Field) << QList<int>{} << QList<int>{} << limiter2 << QList<int>{30}
        << true << QList<int>{50};
    QTest::newRow("clutch typed above 1,000 ms, at it already")
        << int(EditName::Field) << QList<int>{Byte::CLUTCH} << QList<int>{100}
        << QList<int>{Byte::CLUTCH} << QList<int>{150} << false << QList<int>{100};
    QTest::newRow("speed point typed below the one before, just above it already")
        << int(EditName::Field) << QList<int>{Byte::RPM_ADV + 1} << QList<int>{11}
        << QList<int>{Byte::RPM_ADV + 1} << QList<int>{5} << false << QList<int>{11};
    QTest::newRow("gas 1 typed above gas 2")
        << int(EditName::Field) << QList<int>{} << QList<int>{} << QList<int>{Byte::GAS1}
        << QList<int>{90} << true << QList<int>{60};
}

void tst_Ranges::editsTakenBack() {
    QFETCH(int, name);
    QFETCH(QList<int>, beforeBytes);
    QFETCH(QList<int>, beforeValues);
    QFETCH(QList<int>, bytes);
    QFETCH(QList<int>, values);
    QFETCH(QList<int>, after);
    DeviceImage image = defaultsWith(beforeBytes, beforeValues);
    ImageEditor editor(image);
    DeviceImage edited = image;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        edited[bytes[i]] = static_cast<std::uint8_t>(values[i]);
    QTEST(editor.apply(normalisedEdit(valuesEdit(EditName(name), edited))), "step");
    QTEST(editor.steps() == 1, "step");
    for (qsizetype i = 0; i < bytes.size(); ++i)
        QCOMPARE(int(image[bytes[i]]), after[i]);
}

QTEST_APPLESS_MAIN(tst_Ranges)
#include "tst_ranges.moc"
