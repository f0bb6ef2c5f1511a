#include "params/NormaliseRules.h"

#include "params/DeviceImage.h"

namespace vortan {
namespace {

std::vector<NormaliseRule> makeRules() {
    using namespace Byte;
    std::vector<NormaliseRule> r;
    // Point i of an axis within i+3 .. i+191, then strictly rising.
    for (int axis : {RPM_ADV, RPM_PRIV})
        for (int i = 0; i < kAxisPoints; ++i)
            r.push_back({axis + i, i + 3, i + 191, i == 0 ? -1 : axis + i - 1, true, true});
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

} // namespace

const std::vector<NormaliseRule>& normaliseRules() {
    static const std::vector<NormaliseRule> rules = makeRules();
    return rules;
}

const NormaliseRule* normaliseRuleOf(int byte) {
    for (const NormaliseRule& r : normaliseRules())
        if (r.byte == byte)
            return &r;
    return nullptr;
}

} // namespace vortan
