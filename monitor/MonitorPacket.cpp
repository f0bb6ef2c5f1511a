#include "monitor/MonitorPacket.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace vortan {

namespace {

// Offsets of the fields within the 102-byte monitor frame.
namespace Off {
constexpr int Rpm = 1;
constexpr int TpsRaw = 3;
constexpr int LambdaRaw = 5;
constexpr int ServoMeasured = 7;
constexpr int ServoDesired = 9;
constexpr int Programmings = 11;
constexpr int Test = 13; // eight 16-bit values
constexpr int TpsPercent = 29;
constexpr int Advance = 30;
constexpr int StartLimiter = 31;
constexpr int RpmRed = 32;
constexpr int Blocking1 = 33;
constexpr int Blocking2 = 34;
constexpr int RpmYellow = 35;
constexpr int ServoOk = 36;
constexpr int Clutch = 37;
constexpr int Tacho = 38;
constexpr int N2o = 39;
} // namespace Off

// The smallest LIMITER2 the parameter set allows; stands in for a 0 that was never
// normalised so the rpm gauge cannot divide by zero.
constexpr int kMinLimiter2 = 10;

std::uint16_t get16(const std::uint8_t* f, int off) {
    return static_cast<std::uint16_t>(f[off] | (f[off + 1] << 8));
}

void put16(std::uint8_t* f, int off, std::uint16_t v) {
    f[off] = static_cast<std::uint8_t>(v & 0xFF);
    f[off + 1] = static_cast<std::uint8_t>(v >> 8);
}

template <typename... Args> std::string format(const char* fmt, Args... args) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return buf;
}

LabelView onOff(const char* on, const char* off, bool state, LabelColour onColour) {
    return {state ? on : off, state ? onColour : LabelColour::ButtonFace};
}

// What stands for a value the packet does not hold.
constexpr const char* kNoValue = "---";

// The number, or "---" when the packet does not hold it.
std::string number(const PacketValues& values, PacketValue v, int n) {
    return values.has(v) ? std::to_string(n) : kNoValue;
}

// An on/off state, or "<name> = ---" on the button face when the packet does not hold it.
LabelView state(const PacketValues& values, PacketValue v, const char* name, const char* on,
                const char* off, bool set, LabelColour onColour) {
    if (!values.has(v))
        return {std::string(name) + " = " + kNoValue, LabelColour::ButtonFace};
    return onOff(on, off, set, onColour);
}

} // namespace

int rawToMillivolts(int raw) {
    // 64-bit product: the same result as 32-bit for every 16-bit raw value, and no
    // overflow for anything larger.
    return static_cast<int>(static_cast<std::int64_t>(raw) * 5000 / 8184);
}

int lambdaGauge(int millivolts) {
    if (millivolts < 400)
        return 0;
    if (millivolts > 1000)
        return 100;
    return (millivolts - 400) / 6;
}

bool decodeMonitorPacket(const std::uint8_t* frame, MonitorPacket& out) {
    if (!frame || frame[0] != Command::MonitorReply || !frameValid(frame))
        return false;
    MonitorPacket p;
    p.rpm = get16(frame, Off::Rpm);
    p.tpsRaw = get16(frame, Off::TpsRaw);
    p.lambdaRaw = get16(frame, Off::LambdaRaw);
    p.servoMeasuredRaw = get16(frame, Off::ServoMeasured);
    p.servoDesiredRaw = get16(frame, Off::ServoDesired);
    p.programmings = get16(frame, Off::Programmings);
    for (int i = 0; i < 8; ++i)
        p.test[static_cast<std::size_t>(i)] = get16(frame, Off::Test + 2 * i);
    p.tpsPercent = frame[Off::TpsPercent];
    p.advance = frame[Off::Advance];
    p.startLimiter = frame[Off::StartLimiter];
    p.rpmRed = frame[Off::RpmRed];
    p.blocking1 = frame[Off::Blocking1];
    p.blocking2 = frame[Off::Blocking2];
    p.rpmYellow = frame[Off::RpmYellow];
    p.servoOk = frame[Off::ServoOk];
    p.clutchMaster = frame[Off::Clutch];
    p.tachoSelected = frame[Off::Tacho];
    p.n2oActive = frame[Off::N2o];
    out = p;
    return true;
}

Frame encodeMonitorPacket(const MonitorPacket& p) {
    // Laid out at frame offsets; makeFrame takes the data part after the command byte.
    std::uint8_t frame[kFrameSize] = {};
    put16(frame, Off::Rpm, p.rpm);
    put16(frame, Off::TpsRaw, p.tpsRaw);
    put16(frame, Off::LambdaRaw, p.lambdaRaw);
    put16(frame, Off::ServoMeasured, p.servoMeasuredRaw);
    put16(frame, Off::ServoDesired, p.servoDesiredRaw);
    put16(frame, Off::Programmings, p.programmings);
    for (int i = 0; i < 8; ++i)
        put16(frame, Off::Test + 2 * i, p.test[static_cast<std::size_t>(i)]);
    frame[Off::TpsPercent] = p.tpsPercent;
    frame[Off::Advance] = p.advance;
    frame[Off::StartLimiter] = p.startLimiter;
    frame[Off::RpmRed] = p.rpmRed;
    frame[Off::Blocking1] = p.blocking1;
    frame[Off::Blocking2] = p.blocking2;
    frame[Off::RpmYellow] = p.rpmYellow;
    frame[Off::ServoOk] = p.servoOk;
    frame[Off::Clutch] = p.clutchMaster;
    frame[Off::Tacho] = p.tachoSelected;
    frame[Off::N2o] = p.n2oActive;
    return makeFrame(Command::MonitorReply, frame + 1);
}

MonitorDisplay buildMonitorDisplay(const MonitorPacket& p, int limiter2, bool extendedMonitor,
                                   PacketValues values) {
    using V = PacketValue;
    MonitorDisplay d;
    const int rpm = p.rpm;
    const int tps = p.tpsPercent;
    const bool tpsError = tps > 100;

    d.rpm.text = format("RPM = %d ", rpm);
    d.rpm.colour = p.rpmRed      ? LabelColour::Red
                   : p.rpmYellow ? LabelColour::Yellow
                                 : LabelColour::ButtonFace;
    d.rpmGauge = rpm / (limiter2 > 0 ? limiter2 : kMinLimiter2);

    const bool lambda = values.has(V::Lambda);
    d.lambdaMv = lambda ? static_cast<std::uint16_t>(rawToMillivolts(p.lambdaRaw)) : 0;
    d.lambda.text = format("LAMBDA = %s [mV]", number(values, V::Lambda, d.lambdaMv).c_str());
    d.lambdaGauge = lambda ? lambdaGauge(d.lambdaMv) : 0;

    d.tpsMv = values.has(V::ThrottleMv) ? static_cast<std::uint16_t>(rawToMillivolts(p.tpsRaw)) : 0;
    const std::string tpsMv = number(values, V::ThrottleMv, d.tpsMv);
    d.tpsGauge = tpsError ? 0 : tps;
    if (tpsError)
        d.tps.text = format("TP=error = %s [mV]", tpsMv.c_str());
    else if (extendedMonitor)
        d.tps.text = format("TP= %d [%%]= %s [mV]", tps, tpsMv.c_str());
    else
        d.tps.text = format("TP= %d [%%]", tps);
    d.tps.colour = tpsError ? LabelColour::Red : LabelColour::ButtonFace;

    // Without the servo's own report there is no fault to show.
    const LabelColour servo =
        p.servoOk || !values.has(V::ServoOk) ? LabelColour::ButtonFace : LabelColour::Red;
    d.servoDesired = {
        format("Servo desired= %s [mV]",
               number(values, V::ServoDesired, rawToMillivolts(p.servoDesiredRaw)).c_str()),
        servo};
    d.servoMeasured = {
        format("Servo measured= %s [mV]",
               number(values, V::ServoMeasured, rawToMillivolts(p.servoMeasuredRaw)).c_str()),
        servo};

    d.blocking1 = state(values, V::Blocking1, "Blocking1", "Blocking1 = ON", "Blocking1 = OFF",
                        p.blocking1, LabelColour::Red);
    d.blocking2 = state(values, V::Blocking2, "Blocking2", "Blocking2 = ON", "Blocking2 = OFF",
                        p.blocking2, LabelColour::Red);
    d.clutch = state(values, V::Clutch, "Clutch master", "Clutch master = ON",
                     "Clutch master = OFF", p.clutchMaster, LabelColour::Lime);
    d.limiter = state(values, V::StartLimiter, "Start limiter", "Start Limiter = ON",
                      "Start limiter = OFF", p.startLimiter, LabelColour::White);
    if (!values.has(V::Tacho))
        d.tacho = {std::string("Tacho/Lambda = ") + kNoValue, LabelColour::ButtonFace};
    else
        d.tacho = p.tachoSelected ? LabelView{"Tacho/Lambda = Tacho", LabelColour::ButtonFace}
                                  : LabelView{"Tacho/Lambda = Lambda", LabelColour::Fuchsia};
    d.n2o = state(values, V::N2o, "Activation N2O", "Activation N2O = ON", "Activation N2O = OFF",
                  p.n2oActive, LabelColour::Lime);

    d.advance.text =
        format("ADVANCE = %s [\xC2\xB0]", number(values, V::Advance, p.advance).c_str());
    d.programmings.text = format("Number of Programing= %s ",
                                 number(values, V::Programmings, p.programmings).c_str());
    for (int i = 0; i < 8; ++i) {
        const int value = p.test[static_cast<std::size_t>(i)];
        d.test[static_cast<std::size_t>(i)].text =
            format("Test%d = %s ", i + 1, number(values, testValue(i), value).c_str());
    }
    return d;
}

} // namespace vortan
