#pragma once
// The monitor packet (reply 0xB0): its values and what the monitor area shows for them.

#include "params/Frame.h"

#include <array>
#include <cstdint>
#include <string>

namespace vortan {

struct MonitorPacket {
    std::uint16_t rpm = 0;
    std::uint16_t tpsRaw = 0;
    std::uint16_t lambdaRaw = 0;
    std::uint16_t servoMeasuredRaw = 0;
    std::uint16_t servoDesiredRaw = 0;
    std::uint16_t programmings = 0;
    std::array<std::uint16_t, 8> test{};
    std::uint8_t tpsPercent = 0; // above 100: sensor error
    std::uint8_t advance = 0;
    std::uint8_t startLimiter = 0;
    std::uint8_t rpmRed = 0;
    std::uint8_t blocking1 = 0;
    std::uint8_t blocking2 = 0;
    std::uint8_t rpmYellow = 0;
    std::uint8_t servoOk = 0;
    std::uint8_t clutchMaster = 0;
    std::uint8_t tachoSelected = 0;
    std::uint8_t n2oActive = 0;
};

// The values of a packet other than engine speed and throttle position (which every packet and
// every row of a log has).
enum class PacketValue : std::uint8_t {
    ThrottleMv,
    Lambda,
    Advance,
    ServoDesired,
    ServoMeasured,
    Programmings,
    Test1, // .. Test8: Test1 + i
    StartLimiter = Test1 + 8,
    RpmRed,
    RpmYellow,
    Blocking1,
    Blocking2,
    ServoOk,
    Clutch,
    Tacho,
    N2o,
    Count
};

inline PacketValue testValue(int i) {
    return static_cast<PacketValue>(static_cast<int>(PacketValue::Test1) + i);
}

// Which of those a packet holds: a live packet all of them; a row read back from a log only
// those with a field in it, so that a column the log lacks is not taken for a real zero.
class PacketValues {
public:
    PacketValues() = default; // all of them
    static PacketValues none() {
        PacketValues v;
        v.bits_ = 0;
        return v;
    }
    bool has(PacketValue v) const { return (bits_ >> static_cast<int>(v) & 1u) != 0; }
    void add(PacketValue v) { bits_ |= 1u << static_cast<int>(v); }
    bool operator==(const PacketValues& o) const { return bits_ == o.bits_; }

private:
    std::uint32_t bits_ = (1u << static_cast<int>(PacketValue::Count)) - 1;
};

// raw * 5000 / 8184 in signed 32-bit arithmetic, truncated.
int rawToMillivolts(int raw);

// Decodes a 102-byte frame; false (and `out` untouched) when the first byte is not 0xB0
// or the check fails.
bool decodeMonitorPacket(const std::uint8_t* frame, MonitorPacket& out);
// Encodes a packet into a valid frame (the simulated unit and tests use it).
Frame encodeMonitorPacket(const MonitorPacket& p);

enum class LabelColour : std::uint8_t { ButtonFace, Red, Yellow, Lime, White, Fuchsia, Unchanged };

struct LabelView {
    std::string text;
    LabelColour colour = LabelColour::Unchanged;
};

// Everything one accepted packet shows, in the order it is shown.
struct MonitorDisplay {
    LabelView rpm;    // LabelRpm
    int rpmGauge = 0; // CGaugeRpm
    std::uint16_t lambdaMv = 0;
    LabelView lambda;    // LabelLambda
    int lambdaGauge = 0; // CGaugeLambda
    std::uint16_t tpsMv = 0;
    int tpsGauge = 0;              // CGaugeTps
    LabelView tps;                 // LabelTpsMon
    LabelView servoDesired;        // LabelPriveraPoz
    LabelView servoMeasured;       // LabelPriveraMer
    LabelView blocking1;           // LabelBlok1
    LabelView blocking2;           // LabelBlok2
    LabelView clutch;              // LabelClutchMon
    LabelView limiter;             // LabelLimiter1
    LabelView tacho;               // LabelTacho_Lambda
    LabelView n2o;                 // LabelN2oEnable
    LabelView advance;             // LabelAdvance
    LabelView programmings;        // LabelPocetProgramovani
    std::array<LabelView, 8> test; // LabelTest1..8
};

// `limiter2` is the LIMITER2 byte (hundreds of rpm); a 0 never divides. A value `p` does not
// hold shows "---" in place of its number or state, never in an alarm or state colour, and its
// gauge stands at 0.
MonitorDisplay buildMonitorDisplay(const MonitorPacket& p, int limiter2, bool extendedMonitor,
                                   PacketValues values = {});

// Lambda gauge: 0 below 400 mV, 100 above 1000 mV, else (mV - 400) / 6.
int lambdaGauge(int millivolts);

} // namespace vortan
