#include "params/ParamTable.h"

namespace vortan {

namespace {

// Row builders: what differs between the kinds, the rest left at its plain value.
struct Place {
    const char* text;
    const char* group;
    const char* page;
    bool namedInGroup = false;
};

ParamRow number(int byte, int initial, int scale, int offset, int minimum, int maximum, int step,
                const char* unit, const char* fileKey, bool fileRaw, Place at) {
    return {ParamKind::Number,
            byte,
            1,
            scale,
            offset,
            minimum,
            maximum,
            step,
            0,
            0,
            unit,
            fileKey,
            fileRaw,
            at.text,
            at.group,
            at.namedInGroup,
            at.page,
            Message::DiffByte,
            initial};
}

ParamRow flag(int byte, int initial, const char* fileKey, Place at) {
    ParamRow r = number(byte, initial, 1, 0, 0, 1, 1, "", fileKey, true, at);
    r.kind = ParamKind::Flag;
    return r;
}

ParamRow table(ParamKind kind, int byte, int count, int scale, int minimum, int maximum, int step,
               int lowPoints, int lowMinimum, const char* unit, const char* fileKey, Place at,
               Message nameMessage) {
    return {kind,      byte,        count, scale,   0,     minimum, maximum,  step,
            lowPoints, lowMinimum,  unit,  fileKey, false, at.text, at.group, at.namedInGroup,
            at.page,   nameMessage, -1};
}

std::vector<ParamRow> buildRows() {
    using namespace Byte;
    constexpr const char* misc = "TabSheet1";
    constexpr const char* map = "TabSheet2";
    constexpr const char* n2o = "TabSheet3";
    constexpr const char* servo = "TabSheet4";
    const ParamRow bike{ParamKind::Bike,
                        BIKE,
                        1,
                        1,
                        0,
                        0,
                        5,
                        1,
                        0,
                        0,
                        "",
                        "BIKE",
                        true,
                        nullptr,
                        nullptr,
                        false,
                        misc,
                        Message::DiffBikeType,
                        -1};
    return {
        bike,
        number(LIMITER1, 50, 100, 0, 999, 25000, 100, "rpm", "LIMITER1", true,
               {"StartLimiter", "GroupBox1", misc}),
        number(LIMITER2, 110, 100, 0, 999, 25000, 100, "rpm", "LIMITER2", true,
               {"Limiter", "GroupBox1", misc}),
        number(CLUTCH, 20, 10, 0, 0, 500, 10, "ms", "CLUTCH", false, {"Clutch", "GroupBox1", misc}),
        number(LED_RAZENI, 90, 100, 0, 1000, 25000, 100, "rpm", "LED_RAZENI", false,
               {"ShiftLight", "GroupBox1", misc}),
        number(BASE_ADV, -1, 1, 0, 0, 40, 1, "°", "BASE_ADV", true,
               {"BaseAdvance", "GroupBox1", misc}),
        flag(EXCITATION, 0, "EXCITATION", {"ExcitationLong", "GroupBox1", misc}),
        flag(RPM2, 0, "RPM2", {"Tachometer2x", "GroupBox1", misc}),
        flag(ACT_LIM1, 1, "ACT_LIM1", {"InputStartLimiter", "GroupBox4", misc, true}),
        flag(ACT_CLUTCH, 1, "ACT_CLUTCH", {"InputClutch", "GroupBox4", misc, true}),
        flag(ACT_BLOK1, 1, "ACT_BLOK1", {"InputBlocking1", "GroupBox4", misc, true}),
        flag(ACT_BLOK2, 1, "ACT_BLOK2", {"InputBlocking2", "GroupBox4", misc, true}),
        flag(ACT_TACHO, 1, nullptr, {"InputTachoLambda", "GroupBox4", misc, true}),
        flag(ACT_N2O, 1, "ACT_N2O", {"InputN2o", "GroupBox4", misc, true}),
        // Kept in parameter files only, on no page.
        flag(ACT_RPM, -1, "ACT_RPM", {nullptr, nullptr, nullptr}),
        number(TPS0, 70, 10, 0, 250, 2500, 10, "mV", "TPS", false,
               {"Tps0", "GroupBoxTps", misc, true}),
        number(TPS100, 129, 10, 250, 2500, 4750, 10, "mV", "TPS", false,
               {"Tps100", "GroupBoxTps", misc, true}),
        flag(TPS_MAPA, 0, "TPS_MAPA", {"TpsMap", nullptr, map}),
        table(ParamKind::Number, RPM_ADV, kAxisPoints, 100, 300, 20100, 100, 1, 199, "rpm",
              "RPM_ADV", {nullptr, nullptr, map}, Message::DiffMapSpeed),
        table(ParamKind::Map, ADVANCE, kMapRows * kMapColumns, 1, 0, 60, 1, 0, 0, "°", "ADVANCE",
              {nullptr, nullptr, map}, Message::DiffAdvance),
        flag(N2O_ENABLE, 1, "N2O", {"N2oEnable", nullptr, n2o}),
        number(GAS1, 20, 1, 0, 0, 100, 1, "%", "N2O", true, {"N2o1", "GroupBoxGas", n2o}),
        number(GAS2, 60, 1, 0, 0, 100, 1, "%", "N2O", true, {"N2o2", "GroupBoxGas", n2o}),
        number(GAS_DELAY, 20, 100, 0, 0, 25500, 100, "ms", "N2O", false,
               {"N2oDelay", "GroupBoxGas", n2o, true}),
        number(GAS_BUILDUP, 30, 100, 0, 0, 25500, 100, "ms", "N2O", false,
               {"N2oBuildUp", "GroupBoxGas", n2o, true}),
        number(RETARD1, 2, 1, 0, 0, 25, 1, "°", "RETARD", true, {"Retard1", "GroupBoxRetard", n2o}),
        number(RETARD2, 6, 1, 0, 0, 25, 1, "°", "RETARD", true, {"Retard2", "GroupBoxRetard", n2o}),
        number(RETARD_DELAY, 20, 100, 0, 0, 25500, 100, "ms", "RETARD", false,
               {"RetardDelay", "GroupBoxRetard", n2o, true}),
        number(RETARD_BUILDUP, 30, 100, 0, 0, 25500, 100, "ms", "RETARD", false,
               {"RetardBuildUp", "GroupBoxRetard", n2o, true}),
        flag(PRIV_ENABLE, 1, "PRIV_ENABLE", {"ServoEnable", nullptr, servo}),
        number(PRIV_HYSTER, 40, 5, 0, 0, 1275, 5, "mV", "PRIV_HYSTER", false,
               {"ServoHysteresis", "GroupBoxPrivera", servo}),
        table(ParamKind::Number, RPM_PRIV, kAxisPoints, 100, 300, 20100, 100, 2, 200, "rpm",
              "RPM_PRIV", {"ServoRpm", "GroupBoxPrivera", servo}, Message::DiffServoSpeed),
        table(ParamKind::Number, NAP_PRIV, kAxisPoints, 20, 20, 5000, 20, 0, 0, "mV", "NAP_PRIV",
              {"ServoMv", "GroupBoxPrivera", servo}, Message::DiffServoVoltage),
    };
}

NumberParam numberOf(const ParamRow& r, int point) {
    const int minimum = point < r.lowPoints ? r.lowMinimum : r.minimum;
    return {r.byte + point, r.scale, r.offset, minimum, r.maximum, r.step};
}

std::vector<NumberParam> buildSingles() {
    std::vector<NumberParam> out;
    for (const ParamRow& r : paramRows())
        if (r.kind == ParamKind::Number && !r.isTable())
            out.push_back(numberOf(r, 0));
    return out;
}

std::array<NumberParam, 130> buildTable() {
    std::array<NumberParam, 130> t{};
    std::size_t i = 0;
    for (const ParamRow& r : paramRows())
        if (r.isTable())
            for (int point = 0; point < r.count; ++point)
                t.at(i++) = numberOf(r, point);
    return t;
}

} // namespace

const std::vector<ParamRow>& paramRows() {
    static const std::vector<ParamRow> rows = buildRows();
    return rows;
}

const ParamRow* paramRowAt(int byte) {
    for (const ParamRow& r : paramRows())
        if (byte >= r.byte && byte < r.byte + r.count)
            return &r;
    return nullptr;
}

const std::vector<NumberParam>& singleNumberParams() {
    static const std::vector<NumberParam> params = buildSingles();
    return params;
}

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
    static const std::vector<FlagParam> flags = [] {
        std::vector<FlagParam> out;
        for (const ParamRow& r : paramRows())
            if (r.kind == ParamKind::Flag && r.page)
                out.push_back({r.byte});
        return out;
    }();
    return flags;
}

} // namespace vortan
