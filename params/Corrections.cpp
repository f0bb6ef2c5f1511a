#include "params/Corrections.h"

#include "params/NormaliseRules.h"
#include "params/RangeCheck.h"
#include "params/RangeTexts.h"

#include <QString>
#include <algorithm>

namespace vortan {

namespace {

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
        if (const NormaliseRule* r = normaliseRuleOf(b)) {
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
