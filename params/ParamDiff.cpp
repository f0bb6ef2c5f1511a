#include "params/ParamDiff.h"

#include "lang/Texts.h"
#include "params/ParamTable.h"

#include <QLocale>
#include <QString>
#include <array>

namespace vortan {

namespace {

struct Named {
    int byte;
    const char* label;
    const char* group;
    const char* unit;
};

// Where each single value and flag stands on the window, page by page.
constexpr std::array<Named, 16> kNumbers{{
    {Byte::LIMITER1, "LabelOmez1", nullptr, "rpm"},
    {Byte::LIMITER2, "LabelOmez2", nullptr, "rpm"},
    {Byte::CLUTCH, "LabelClutch", nullptr, "ms"},
    {Byte::LED_RAZENI, "LabelLedRazeni", nullptr, "rpm"},
    {Byte::BASE_ADV, "LabelBaseAdv", nullptr, "°"},
    {Byte::TPS0, "LabelTps0", "GroupBoxTps", "mV"},
    {Byte::TPS100, "LabelTps100", "GroupBoxTps", "mV"},
    {Byte::GAS1, "LabelGas1", nullptr, "%"},
    {Byte::GAS2, "LabelGas2", nullptr, "%"},
    {Byte::GAS_DELAY, "LabelGasD", "GroupBoxGas", "ms"},
    {Byte::GAS_BUILDUP, "LabelGasT", "GroupBoxGas", "ms"},
    {Byte::RETARD1, "LabelRetard1", nullptr, "°"},
    {Byte::RETARD2, "LabelRetard2", nullptr, "°"},
    {Byte::RETARD_DELAY, "LabelRetardD", "GroupBoxRetard", "ms"},
    {Byte::RETARD_BUILDUP, "LabelRetardT", "GroupBoxRetard", "ms"},
    {Byte::PRIV_HYSTER, "LabelPrivHyster", nullptr, "mV"},
}};

constexpr std::array<Named, 12> kFlags{{
    {Byte::EXCITATION, "CheckBoxBuzDlouhe", nullptr, ""},
    {Byte::RPM2, "CheckBoxRpm2Krat", nullptr, ""}, // named, never compared
    {Byte::ACT_LIM1, "CheckBoxAktLimiter1", "GroupBox4", ""},
    {Byte::ACT_CLUTCH, "CheckBoxAktClutch", "GroupBox4", ""},
    {Byte::ACT_BLOK1, "CheckBoxAktBlok1", "GroupBox4", ""},
    {Byte::ACT_BLOK2, "CheckBoxAktBlok2", "GroupBox4", ""},
    {Byte::ACT_TACHO, "CheckBoxAktRpm", "GroupBox4", ""},
    {Byte::ACT_N2O, "CheckBoxAktN2o", "GroupBox4", ""},
    {Byte::ACT_RPM, nullptr, nullptr, ""}, // kept only in parameter files, as ACT_RPM
    {Byte::TPS_MAPA, "CheckBoxTpsMapa", nullptr, ""},
    {Byte::N2O_ENABLE, "CheckBoxGas", nullptr, ""},
    {Byte::PRIV_ENABLE, "CheckBoxPrivEnable", nullptr, ""},
}};

std::vector<ComparedParam> build() {
    std::vector<ComparedParam> out;
    std::array<bool, kImageSize> taken{};
    auto add = [&](ComparedParam p) {
        taken[static_cast<std::size_t>(p.byte)] = true;
        if (isComparedByte(p.byte))
            out.push_back(p);
    };
    add({ComparedParam::Bike, Byte::BIKE});
    for (const Named& n : kNumbers) {
        const NumberParam* np = numberParamAt(n.byte);
        add({ComparedParam::Number, n.byte, np->scale, np->offset, n.unit, n.label, n.group});
    }
    for (const Named& f : kFlags)
        add({ComparedParam::Flag, f.byte, 1, 0, "", f.label, f.group});
    for (int i = 0; i < kAxisPoints; ++i) {
        ComparedParam p{ComparedParam::Number, Byte::RPM_ADV + i, 100, 0, "rpm"};
        p.point = i + 1;
        p.table = ComparedParam::MapAxis;
        add(p);
    }
    for (int cell = 0; cell < kMapRows * kMapColumns; ++cell)
        add({ComparedParam::MapCell, Byte::ADVANCE + cell, 1, 0, "°"});
    for (int i = 0; i < kAxisPoints; ++i) {
        ComparedParam speed{ComparedParam::Number, Byte::RPM_PRIV + i, 100, 0, "rpm"};
        speed.point = i + 1;
        speed.table = ComparedParam::ServoAxis;
        add(speed);
        ComparedParam volts{ComparedParam::Number, Byte::NAP_PRIV + i, 20, 0, "mV"};
        volts.point = i + 1;
        volts.table = ComparedParam::ServoVoltage;
        add(volts);
    }
    // Bytes no control shows still go to the unit and are verified: name them too.
    for (int b = kPageSize; b < kImageSize; ++b)
        if (!taken[static_cast<std::size_t>(b)] && isComparedByte(b))
            out.push_back({ComparedParam::OtherByte, b});
    return out;
}

QString text(Message m, int language) {
    return QString::fromStdString(messageText(m, language));
}

QString grouped(int value) {
    return QLocale().toString(value);
}

// A byte that differs is a difference, as the verify sees it (a flag of 2 is not 1).
bool differs(const ComparedParam& p, const DeviceImage& a, const DeviceImage& b) {
    return a[p.byte] != b[p.byte];
}

} // namespace

bool isComparedByte(int position) {
    return position >= kPageSize && position < kImageSize && position != Byte::Reserved &&
           position != Byte::RPM2;
}

const std::vector<ComparedParam>& comparedParams() {
    static const std::vector<ComparedParam> params = build();
    return params;
}

std::string paramName(const ComparedParam& p, const DeviceImage& screen, int language,
                      const CaptionLookup& caption) {
    QString name;
    switch (p.kind) {
    case ComparedParam::Bike:
        name = text(Message::DiffBikeType, language);
        break;
    case ComparedParam::MapCell: {
        const int cell = p.byte - Byte::ADVANCE;
        const int row = cell / kMapColumns;
        const int speed = screen[Byte::RPM_ADV + cell % kMapColumns] * 100;
        name = text(Message::DiffAdvance, language)
                   .arg(QString::number(kThrottleAxis[static_cast<std::size_t>(row)]) + " %",
                        grouped(speed));
        break;
    }
    case ComparedParam::OtherByte:
        name = text(Message::DiffByte, language).arg(p.byte - kPageSize);
        break;
    case ComparedParam::Number:
    case ComparedParam::Flag:
        if (p.table == ComparedParam::MapAxis)
            name = text(Message::DiffMapSpeed, language).arg(p.point);
        else if (p.table == ComparedParam::ServoAxis)
            name = text(Message::DiffServoSpeed, language).arg(p.point);
        else if (p.table == ComparedParam::ServoVoltage)
            name = text(Message::DiffServoVoltage, language).arg(p.point);
        else if (!p.label)
            name = "ACT_RPM";
        else {
            name = QString::fromStdString(caption(p.label));
            if (p.group)
                name = QString::fromStdString(caption(p.group)) + " › " + name;
        }
        break;
    }
    return name.toStdString();
}

std::string paramValue(const ComparedParam& p, const DeviceImage& image, int language) {
    const std::uint8_t b = image[p.byte];
    switch (p.kind) {
    case ComparedParam::Flag:
        return messageText(b != 0 ? Message::DiffOn : Message::DiffOff, language);
    case ComparedParam::Bike:
    case ComparedParam::OtherByte:
        return std::to_string(b);
    case ComparedParam::Number:
    case ComparedParam::MapCell:
        break;
    }
    const QString value = grouped((b + p.offset) * p.scale);
    const QString unit = QString::fromUtf8(p.unit);
    // Degrees follow the number directly, every other unit after a space.
    return (unit == QStringLiteral("°") ? value + unit : value + ' ' + unit).toStdString();
}

std::vector<ParamDifference> compareImages(const DeviceImage& screen,
                                           const std::optional<DeviceImage>& unit,
                                           const std::optional<DeviceImage>& file) {
    std::vector<ParamDifference> out;
    for (const ComparedParam& p : comparedParams()) {
        const bool u = unit && differs(p, screen, *unit);
        const bool f = file && differs(p, screen, *file);
        if (u || f)
            out.push_back({&p, u, f});
    }
    return out;
}

int countDifferences(const DeviceImage& a, const DeviceImage& b) {
    int n = 0;
    for (const ComparedParam& p : comparedParams())
        n += differs(p, a, b);
    return n;
}

} // namespace vortan
