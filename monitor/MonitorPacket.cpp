#include "monitor/MonitorPacket.h"

#include <cstdint>
#include <cstdio>

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

MonitorDisplay buildMonitorDisplay(const MonitorPacket& p, int limiter2, bool extendedMonitor) {
    MonitorDisplay d;
    const int rpm = p.rpm;
    const int tps = p.tpsPercent;
    const bool tpsError = tps > 100;

    d.rpm.text = format("RPM = %d ", rpm);
    d.rpm.colour = p.rpmRed      ? LabelColour::Red
                   : p.rpmYellow ? LabelColour::Yellow
                                 : LabelColour::ButtonFace;
    d.rpmGauge = rpm / (limiter2 > 0 ? limiter2 : kMinLimiter2);

    d.lambdaMv = static_cast<std::uint16_t>(rawToMillivolts(p.lambdaRaw));
    d.lambda.text = format("LAMBDA = %d [mV]", static_cast<int>(d.lambdaMv));
    d.lambdaGauge = lambdaGauge(d.lambdaMv);

    d.tpsMv = static_cast<std::uint16_t>(rawToMillivolts(p.tpsRaw));
    const int tpsMv = d.tpsMv;
    d.tpsGauge = tpsError ? 0 : tps;
    if (tpsError)
        d.tps.text = format("TP=error = %d [mV]", tpsMv);
    else if (extendedMonitor)
        d.tps.text = format("TP= %d [%%]= %d [mV]", tps, tpsMv);
    else
        d.tps.text = format("TP= %d [%%]", tps);
    d.tps.colour = tpsError ? LabelColour::Red : LabelColour::ButtonFace;

    const LabelColour servo = p.servoOk ? LabelColour::ButtonFace : LabelColour::Red;
    d.servoDesired = {format("Servo desired= %d [mV]", rawToMillivolts(p.servoDesiredRaw)), servo};
    d.servoMeasured = {format("Servo measured= %d [mV]", rawToMillivolts(p.servoMeasuredRaw)),
                       servo};

    d.blocking1 = onOff("Blocking1 = ON", "Blocking1 = OFF", p.blocking1, LabelColour::Red);
    d.blocking2 = onOff("Blocking2 = ON", "Blocking2 = OFF", p.blocking2, LabelColour::Red);
    d.clutch =
        onOff("Clutch master = ON", "Clutch master = OFF", p.clutchMaster, LabelColour::Lime);
    d.limiter =
        onOff("Start Limiter = ON", "Start limiter = OFF", p.startLimiter, LabelColour::White);
    d.tacho = p.tachoSelected ? LabelView{"Tacho/Lambda = Tacho", LabelColour::ButtonFace}
                              : LabelView{"Tacho/Lambda = Lambda", LabelColour::Fuchsia};
    d.n2o = onOff("Activation N2O = ON", "Activation N2O = OFF", p.n2oActive, LabelColour::Lime);

    d.advance.text = format("ADVANCE = %d [\xC2\xB0]", static_cast<int>(p.advance));
    d.programmings.text = format("Number of Programing= %d ", static_cast<int>(p.programmings));
    for (int i = 0; i < 8; ++i)
        d.test[static_cast<std::size_t>(i)].text =
            format("Test%d = %d ", i + 1, static_cast<int>(p.test[static_cast<std::size_t>(i)]));
    return d;
}

} // namespace vortan
