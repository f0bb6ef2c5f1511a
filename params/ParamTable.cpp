#include "params/ParamTable.h"

#include <deque>
#include <string>

namespace vortan {

const std::vector<NumberParam>& singleNumberParams() {
    using namespace Byte;
    static const std::vector<NumberParam> params{
        {"EditOmez1", LIMITER1, 100, 0, 999, 25000, 100},
        {"EditOmez2", LIMITER2, 100, 0, 999, 25000, 100},
        {"EditClutch", CLUTCH, 10, 0, 0, 500, 10},
        {"EditLedRazeni", LED_RAZENI, 100, 0, 1000, 25000, 100},
        {"EditBaseAdv", BASE_ADV, 1, 0, 0, 40, 1},
        {"EditPrivHyster", PRIV_HYSTER, 5, 0, 0, 1275, 5},
        {"EditTps0", TPS0, 10, 0, 250, 2500, 10},
        {"EditTps100", TPS100, 10, 250, 2500, 4750, 10},
        {"EditGas1", GAS1, 1, 0, 0, 100, 1},
        {"EditGas2", GAS2, 1, 0, 0, 100, 1},
        {"EditGasT", GAS_BUILDUP, 100, 0, 0, 25500, 100},
        {"EditGasD", GAS_DELAY, 100, 0, 0, 25500, 100},
        {"EditRetard1", RETARD1, 1, 0, 0, 25, 1},
        {"EditRetard2", RETARD2, 1, 0, 0, 25, 1},
        {"EditRetardT", RETARD_BUILDUP, 100, 0, 0, 25500, 100},
        {"EditRetardD", RETARD_DELAY, 100, 0, 0, 25500, 100},
    };
    return params;
}

namespace {
// Names are built once and live for the whole run.
const char* keep(const std::string& s) {
    static std::deque<std::string> names; // a deque never moves its elements
    names.push_back(s);
    return names.back().c_str();
}

std::array<NumberParam, 130> buildTable() {
    using namespace Byte;
    std::array<NumberParam, 130> t{};
    for (int i = 0; i < 10; ++i) {
        t[i] = {keep("EditRpmAdv" + std::to_string(i + 1)),
                RPM_ADV + i,
                100,
                0,
                i == 0 ? 199 : 300,
                20100,
                100};
        t[110 + i] = {keep("EditRpmPriv" + std::to_string(i + 1)),
                      RPM_PRIV + i,
                      100,
                      0,
                      i < 2 ? 200 : 300,
                      20100,
                      100};
        t[120 + i] = {
            keep("EditNapPriv" + std::to_string(i + 1)), NAP_PRIV + i, 20, 0, 20, 5000, 20};
    }
    for (int n = 0; n < 100; ++n)
        t[10 + n] = {keep("Edit" + std::to_string(50 + n)), ADVANCE + n, 1, 0, 0, 60, 1};
    return t;
}
} // namespace

const std::array<NumberParam, 130>& tableParams() {
    static const std::array<NumberParam, 130> table = buildTable();
    return table;
}

std::vector<NumberParam> allNumberParams() {
    std::vector<NumberParam> all = singleNumberParams();
    all.insert(all.end(), tableParams().begin(), tableParams().end());
    return all;
}

const NumberParam* numberParamAt(int byte) {
    static const std::vector<NumberParam> all = allNumberParams();
    for (const NumberParam& n : all)
        if (n.byte == byte)
            return &n;
    return nullptr;
}

const std::vector<FlagParam>& flagParams() {
    using namespace Byte;
    static const std::vector<FlagParam> flags{
        {"CheckBoxRpm2Krat", RPM2},          {"CheckBoxBuzDlouhe", EXCITATION},
        {"CheckBoxPrivEnable", PRIV_ENABLE}, {"CheckBoxAktBlok1", ACT_BLOK1},
        {"CheckBoxAktBlok2", ACT_BLOK2},     {"CheckBoxAktClutch", ACT_CLUTCH},
        {"CheckBoxAktN2o", ACT_N2O},         {"CheckBoxAktLimiter1", ACT_LIM1},
        {"CheckBoxAktRpm", ACT_TACHO},       {"CheckBoxGas", N2O_ENABLE},
        {"CheckBoxTpsMapa", TPS_MAPA},
    };
    return flags;
}

} // namespace vortan
