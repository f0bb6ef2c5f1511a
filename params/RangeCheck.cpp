#include "params/RangeCheck.h"

#include "params/ParamTable.h"
#include "params/RangeTexts.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>

namespace vortan {

namespace {

struct Range {
    int value;
    int minimum;
    int maximum;
};

// The value at `byte` with its field's range; false for a byte that has no range of its own.
bool rangeAt(const DeviceImage& image, int byte, Range& out) {
    if (const ParamRow* r = paramRowAt(byte); r && r->kind == ParamKind::Bike) {
        out = {image[byte], r->minimum, r->maximum}; // the types of the list
        return true;
    }
    const NumberParam* n = numberParamAt(byte);
    if (!n)
        return false;
    out = {n->shown(image[byte]), n->minimum, n->maximum};
    return true;
}

QString grouped(int value) {
    return QLocale().toString(value);
}

QString text(RangeText t, int language) {
    return QString::fromStdString(rangeText(t, language));
}

} // namespace

std::string valueWithUnit(int value, const char* unit) {
    const QString u = QString::fromUtf8(unit);
    if (u.isEmpty())
        return grouped(value).toStdString();
    // Degrees follow the number directly, every other unit after a space.
    return (u == QStringLiteral("°") ? grouped(value) + u : grouped(value) + ' ' + u).toStdString();
}

std::string withoutUnit(const std::string& name) {
    static const QRegularExpression unit(QStringLiteral("\\s*\\[[^\\]]*\\]\\s*$"));
    return QString::fromStdString(name).remove(unit).toStdString();
}

bool isOutOfRange(const DeviceImage& image, int byte) {
    Range r{};
    return rangeAt(image, byte, r) && (r.value < r.minimum || r.value > r.maximum);
}

std::vector<OutOfRangeValue> outOfRangeValues(const DeviceImage& image, int language,
                                              const CaptionLookup& caption) {
    std::vector<OutOfRangeValue> out;
    for (const ComparedParam& p : comparedParams()) {
        Range r{};
        if (!rangeAt(image, p.byte, r) || (r.value >= r.minimum && r.value <= r.maximum))
            continue;
        const std::string range =
            grouped(r.minimum).toStdString() + ".." + valueWithUnit(r.maximum, p.unit);
        const QString line =
            text(RangeText::OutOfRangeLine, language)
                .arg(QString::fromStdString(withoutUnit(paramName(p, image, language, caption))),
                     QString::fromStdString(paramValue(p, image, language)),
                     QString::fromStdString(range));
        out.push_back({p.byte, r.value, r.minimum, r.maximum, line.toStdString()});
    }
    return out;
}

std::string typedRefusedText(const std::string& caption, int typed, int minimum, int maximum,
                             int kept, int language) {
    return text(RangeText::TypedRefused, language)
        .arg(QString::fromStdString(caption), grouped(typed), grouped(minimum), grouped(maximum),
             grouped(kept))
        .toStdString();
}

} // namespace vortan
