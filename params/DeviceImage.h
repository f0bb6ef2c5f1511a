#pragma once
// The device image: the unit's parameter set as the 300 bytes exchanged with it,
// three pages of 100 (page 0 identification, page 1 values and axes, page 2 the map).

#include <array>
#include <cstdint>
#include <string>

namespace vortan {

constexpr int kImageSize = 300;
constexpr int kPageSize = 100;
constexpr int kAxisPoints = 10;
constexpr int kMapRows = 10;
constexpr int kMapColumns = 10;

// Absolute positions in the image of the page-1 and page-2 values.
namespace Byte {
// page 0
constexpr int CompatibilityCode = 10;
constexpr int BikeMask0 = 11; // types 0..7
constexpr int BikeMask1 = 12; // types 8..15
constexpr int BikeMask2 = 13; // types 16..23
constexpr int UnitName = 16;  // 30 characters, used when not 0
// page 1
constexpr int BIKE = 100;
constexpr int Reserved = 101;
constexpr int RPM2 = 102;
constexpr int LIMITER1 = 103;
constexpr int LIMITER2 = 104;
constexpr int CLUTCH = 105;
constexpr int LED_RAZENI = 106;
constexpr int BASE_ADV = 107;
constexpr int EXCITATION = 108;
constexpr int PRIV_ENABLE = 109;
constexpr int PRIV_HYSTER = 110;
constexpr int ACT_BLOK1 = 111;
constexpr int ACT_BLOK2 = 112;
constexpr int ACT_CLUTCH = 113;
constexpr int ACT_RPM = 114; // only the parameter file uses it
constexpr int ACT_N2O = 115;
constexpr int ACT_LIM1 = 116;
constexpr int ACT_TACHO = 117; // tacho/lambda input, check box CheckBoxAktRpm
constexpr int TPS0 = 118;
constexpr int TPS100 = 119; // (mV - 2500) / 10
constexpr int N2O_ENABLE = 120;
constexpr int GAS1 = 121;
constexpr int GAS2 = 122;
constexpr int GAS_BUILDUP = 123;
constexpr int GAS_DELAY = 124;
constexpr int RETARD1 = 125;
constexpr int RETARD2 = 126;
constexpr int RETARD_BUILDUP = 127;
constexpr int RETARD_DELAY = 128;
constexpr int TPS_MAPA = 129;
constexpr int RPM_ADV = 170;  // 10 points
constexpr int RPM_PRIV = 180; // 10 points
constexpr int NAP_PRIV = 190; // 10 values
// page 2
constexpr int ADVANCE = 200; // row r, column c at ADVANCE + 10 r + c
} // namespace Byte

// The compatibility code (page 0, byte 10) of the units this program works with.
constexpr std::uint8_t kCompatibilityCode = 15;

// Throttle breakpoints of the map rows, percent.
constexpr std::array<int, kMapRows> kThrottleAxis{0, 2, 5, 10, 20, 30, 40, 60, 80, 100};

struct DeviceImage {
    std::array<std::uint8_t, kImageSize> bytes{};

    std::uint8_t& operator[](int i) { return bytes[static_cast<std::size_t>(i)]; }
    std::uint8_t operator[](int i) const { return bytes[static_cast<std::size_t>(i)]; }
    std::uint8_t* page(int n) { return bytes.data() + n * kPageSize; }
    const std::uint8_t* page(int n) const { return bytes.data() + n * kPageSize; }
    std::uint8_t& map(int row, int column) { return (*this)[Byte::ADVANCE + row * 10 + column]; }
    std::uint8_t map(int row, int column) const {
        return (*this)[Byte::ADVANCE + row * 10 + column];
    }
    bool operator==(const DeviceImage& o) const { return bytes == o.bytes; }
    bool operator!=(const DeviceImage& o) const { return bytes != o.bytes; }
};

// Base advance 10 degrees for every motorbike type of the list (0..5).
void applyBikeRule(DeviceImage& image);

// The default parameter set, then the motorbike-type rule. BIKE, page 0, byte 14 and
// the unused bytes keep their values.
void setDefaults(DeviceImage& image);

// Brings page 1 within its bounds; also corrects the two settings kept outside the
// image (a language above 2 becomes 1, a port above 10 becomes 1).
void normalise(DeviceImage& image, std::uint8_t& language, std::uint8_t& comPort);
void normalise(DeviceImage& image); // page 1 only

// True when the unit's identification page carries kCompatibilityCode.
bool unitCompatible(const DeviceImage& image);

// True when the unit's identification page accepts motorbike type `bike`.
bool bikeSupported(const DeviceImage& image, int bike);

struct Identification {
    std::string version;
    std::string date;
    std::string time;
};
Identification formatIdentification(const DeviceImage& image);

// Month code of page 0 byte 5 (sum of the English abbreviation's letters) to 1..12, 0 if unknown.
int monthFromCode(std::uint8_t code);

} // namespace vortan
