#include "params/DeviceImage.h"

#include "params/NormaliseRules.h"
#include "params/ParamTable.h"

#include <algorithm>
#include <cstdio>

namespace vortan {
namespace {

constexpr std::uint8_t kDefaultMap[kMapRows][kMapColumns] = {
    {4, 13, 16, 25, 28, 32, 33, 33, 33, 33}, {4, 16, 22, 31, 33, 35, 35, 35, 35, 35},
    {4, 24, 35, 44, 45, 45, 43, 41, 41, 41}, {4, 19, 32, 39, 45, 47, 46, 43, 43, 43},
    {4, 12, 15, 25, 31, 33, 32, 32, 32, 31}, {4, 12, 16, 25, 28, 30, 33, 32, 32, 32},
    {4, 12, 16, 25, 28, 30, 33, 31, 33, 31}, {4, 12, 15, 25, 28, 30, 32, 32, 32, 32},
    {4, 12, 15, 25, 28, 30, 32, 32, 32, 32}, {4, 12, 15, 25, 28, 30, 32, 32, 32, 32},
};

std::string twoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v % 100);
    return buf;
}

} // namespace

void applyBikeRule(DeviceImage& image) {
    if (image[Byte::BIKE] <= 5)
        image[Byte::BASE_ADV] = 10;
}

void setDefaults(DeviceImage& image) {
    using namespace Byte;
    image[Reserved] = 0;
    for (const ParamRow& r : paramRows())
        if (r.initial >= 0)
            image[r.byte] = static_cast<std::uint8_t>(r.initial);
    static constexpr std::uint8_t kRpmPriv[kAxisPoints] = {12, 20,  30,  40,  60,
                                                           80, 100, 120, 140, 160};
    for (int i = 0; i < kAxisPoints; ++i) {
        image[RPM_ADV + i] = static_cast<std::uint8_t>(10 * (i + 1));
        image[RPM_PRIV + i] = kRpmPriv[i];
        image[NAP_PRIV + i] = static_cast<std::uint8_t>(100 + 5 * i);
    }
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            image.map(r, c) = kDefaultMap[r][c];
    applyBikeRule(image);
}

void normalise(DeviceImage& image) {
    // Every value within its bounds first, then the relations, each against a value already
    // within its own.
    for (const NormaliseRule& r : normaliseRules())
        image[r.byte] = static_cast<std::uint8_t>(std::clamp<int>(image[r.byte], r.low, r.high));
    for (const NormaliseRule& r : normaliseRules()) {
        if (r.other < 0)
            continue;
        const int other = image[r.other];
        std::uint8_t& v = image[r.byte];
        if (r.strictlyAbove && v <= other)
            v = static_cast<std::uint8_t>(other + 1);
        else if (r.raisedToOther && v < other)
            v = static_cast<std::uint8_t>(other);
        else if (!r.raisedToOther && v > other)
            v = static_cast<std::uint8_t>(other);
    }
}

void normalise(DeviceImage& image, std::uint8_t& language, std::uint8_t& comPort) {
    normalise(image);
    if (language > 2)
        language = 1;
    if (comPort > 10)
        comPort = 1;
}

bool unitCompatible(const DeviceImage& image) {
    return image[Byte::CompatibilityCode] == kCompatibilityCode;
}

bool bikeSupported(const DeviceImage& image, int bike) {
    if (bike < 0 || bike >= 24)
        return false;
    return (image[Byte::BikeMask0 + bike / 8] >> (bike % 8)) & 1;
}

int monthFromCode(std::uint8_t code) {
    static constexpr std::uint8_t kCodes[12] = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};
    for (int m = 0; m < 12; ++m)
        if (kCodes[m] == code)
            return m + 1;
    return 0;
}

Identification formatIdentification(const DeviceImage& image) {
    Identification id;
    if (image[Byte::UnitName] != 0) {
        id.version.assign(reinterpret_cast<const char*>(image.page(0) + Byte::UnitName), 30);
    } else {
        id.version.assign(reinterpret_cast<const char*>(image.page(0)), 3);
        id.version += twoDigits(image[3]);
    }
    // The unit's own text may carry NULs or non-printing bytes: keep it readable.
    for (char& ch : id.version)
        if (static_cast<unsigned char>(ch) < 0x20 || static_cast<unsigned char>(ch) > 0x7E)
            ch = ' ';
    const int day = image[4];
    const int month = monthFromCode(image[5]);
    std::string dayText = day < 10 ? " " + std::to_string(day) : twoDigits(day);
    std::string monthText = month == 0   ? "00"
                            : month < 10 ? " " + std::to_string(month)
                                         : std::to_string(month);
    id.date = dayText + "." + monthText + ".20" + twoDigits(image[6]);
    id.time = twoDigits(image[7]) + ":" + twoDigits(image[8]);
    return id;
}

} // namespace vortan
