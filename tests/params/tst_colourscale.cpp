// The map's colour scale: its ends, clamping, and that it reads as one lightness ramp.

#include "params/ColourScale.h"

#include <QtTest>
#include <limits>

using namespace vortan;

namespace {
double luminance(Rgb c) {
    return 0.2126 * c.red + 0.7152 * c.green + 0.0722 * c.blue;
}
} // namespace

class tst_ColourScale : public QObject {
    Q_OBJECT
private slots:
    void endsAndClamping() {
        const Rgb cool = scaleColour(0.0);
        const Rgb hot = scaleColour(1.0);
        QVERIFY(!(cool == hot));
        QVERIFY(scaleColour(-3.0) == cool);
        QVERIFY(scaleColour(std::numeric_limits<double>::quiet_NaN()) == cool);
        QVERIFY(scaleColour(7.0) == hot);
        QVERIFY(scaleColour(60, 0, 60) == hot);
        QVERIFY(scaleColour(30, 30, 30) == cool); // an empty range
    }
    // Lightness rises along the whole scale, so order survives a grey printout and colour
    // blindness; the text colour keeps contrast on every step.
    void lightnessRisesAndTextContrasts() {
        double previous = -1;
        for (int i = 0; i <= 100; ++i) {
            const Rgb c = scaleColour(i / 100.0);
            QVERIFY2(luminance(c) > previous, qPrintable(QString::number(i)));
            previous = luminance(c);
            QVERIFY(std::abs(luminance(textColourOn(c)) - luminance(c)) > 90);
        }
    }
};

QTEST_APPLESS_MAIN(tst_ColourScale)
#include "tst_colourscale.moc"
