#include "params/Corrections.h"

#include "params/RangeCheck.h"
#include "params/RangeTexts.h"

#include <QString>
#include <algorithm>

namespace vortan {

namespace {

// How normalise bounds a value: within low..high, then against another value.
struct Rule {
    int byte;
    int low;
    int high;
    int other = -1;            // the value it is held against, if any
    bool raisedToOther = true; // kept at or above `other` (limiter, axes); else at or below it
};

std::vector<Rule> rules() {
    using namespace Byte;
    std::vector<Rule> r;
    for (int axis : {RPM_ADV, RPM_PRIV})
        for (int i = 0; i < kAxisPoints; ++i)
            r.push_back({axis + i, i + 3, i + 191, i == 0 ? -1 : axis + i - 1, true});
    r.push_back({LIMITER1, 10, 250});
    r.push_back({LIMITER2, 10, 250, LIMITER1, true});
    r.push_back({CLUTCH, 0, 100});
    r.push_back({LED_RAZENI, 10, 250});
    r.push_back({GAS1, 0, 100, GAS2, false});
    r.push_back({GAS2, 0, 100});
    r.push_back({GAS_BUILDUP, 1, 200});
    r.push_back({GAS_DELAY, 0, 200});
    r.push_back({RETARD1, 0, 25, RETARD2, false});
    r.push_back({RETARD2, 0, 25});
    r.push_back({RETARD_DELAY, 0, 200});
    r.push_back({RETARD_BUILDUP, 1, 200});
    r.push_back({TPS0, 0, 250});
    r.push_back({TPS100, 0, 250});
    return r;
}

const Rule* ruleOf(int byte) {
    static const std::vector<Rule> all = rules();
    for (const Rule& r : all)
        if (r.byte == byte)
            return &r;
    return nullptr;
}

const ComparedParam* paramOf(int byte) {
    for (const ComparedParam& p : comparedParams())
        if (p.byte == byte)
            return &p;
    return nullptr;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

std::vector<Correction> corrections(const DeviceImage& before, const DeviceImage& after,
                                    int language, const CaptionLookup& caption,
                                    CorrectionSource source) {
    std::vector<Correction> out;
    auto nameOf = [&](const ComparedParam& p) {
        return q(withoutUnit(paramName(p, after, language, caption)));
    };
    for (const ComparedParam& p : comparedParams()) {
        const int b = p.byte;
        if (before[b] == after[b])
            continue;
        const QString held = q(paramValue(p, before, language));
        const QString shown = q(paramValue(p, after, language));
        auto bound = [&](int byteValue) {
            return q(valueWithUnit((byteValue + p.offset) * p.scale, p.unit));
        };
        RangeText why = RangeText::CorrectedAbove;
        QString against = shown;
        if (const Rule* r = ruleOf(b)) {
            const int within = std::clamp<int>(before[b], r->low, r->high);
            const ComparedParam* other = r->other >= 0 ? paramOf(r->other) : nullptr;
            if (other && after[b] != within) {
                // Held against the other value, after its own bounds.
                const bool axis = p.point > 0;
                why = !r->raisedToOther ? RangeText::CorrectedAbove
                      : axis            ? RangeText::CorrectedNotAbove
                                        : RangeText::CorrectedBelow;
                against = nameOf(*other);
            } else if (before[b] < r->low) {
                why = RangeText::CorrectedBelow;
                against = bound(r->low);
            } else {
                against = bound(r->high);
            }
        }
        if (source == CorrectionSource::File)
            why = why == RangeText::CorrectedBelow   ? RangeText::FileCorrectedBelow
                  : why == RangeText::CorrectedAbove ? RangeText::FileCorrectedAbove
                                                     : RangeText::FileCorrectedNotAbove;
        const QString line =
            QString::fromStdString(rangeText(why, language)).arg(nameOf(p), held, against, shown);
        out.push_back({b, line.toStdString()});
    }
    return out;
}

Edit normalisedEdit(const Edit& edit) {
    Edit e = edit;
    e.change = [change = edit.change](const DeviceImage& image) {
        DeviceImage result = change(image);
        normalise(result);
        return result;
    };
    return e;
}

} // namespace vortan
