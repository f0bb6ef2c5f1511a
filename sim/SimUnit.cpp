#include "sim/SimUnit.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace vortan {

namespace {

constexpr auto kStep = std::chrono::milliseconds(55);
constexpr int kSplitAt = 41; // first part of a split reply
// The log of received requests keeps the latest ones only: a demo may run for hours.
constexpr std::size_t kReceivedLimit = 20000;

// Millivolts to the raw reading of the unit's converter (raw * 5000 / 8184 = mV).
int rawFromMillivolts(int mv) {
    return mv * 8184 / 5000;
}

// 0 .. 1 .. 0 over `period` steps.
double triangle(long t, long period) {
    const long phase = t % period;
    const long half = period / 2;
    return phase < half ? double(phase) / half : double(period - phase) / half;
}

void put16(Frame& f, int offset, int value) {
    const auto v = static_cast<unsigned>(std::clamp(value, 0, 0xFFFF));
    f[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(v & 0xFF);
    f[static_cast<std::size_t>(offset) + 1] = static_cast<std::uint8_t>(v >> 8);
}

void fillIdentification(DeviceImage& image) {
    const char name[] = "VRT";
    std::memcpy(image.page(0), name, 3);
    image[3] = 21; // firmware number
    image[4] = 14; // build day
    image[5] = 32; // March: 'M' + 'a' + 'r' modulo 256
    image[6] = 24; // year
    image[7] = 10; // hour
    image[8] = 30; // minute
    image[Byte::CompatibilityCode] = kCompatibilityCode;
    image[Byte::BikeMask0] = 0x3F;
}

} // namespace

SimUnit::SimUnit() : rng_(switches_.seed) {
    fillIdentification(image_);
    setDefaults(image_);
}

SimUnit::~SimUnit() {
    stopThread();
    std::lock_guard<std::mutex> lock(mutex_);
    closePty();
}

bool SimUnit::start() {
    std::lock_guard<std::mutex> lock(mutex_);
    return master_ >= 0 || openPty();
}

std::string SimUnit::devicePath() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return linkPath_.empty() ? slavePath_ : linkPath_;
}

std::string SimUnit::slavePath() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return slavePath_;
}

bool SimUnit::present() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return master_ >= 0;
}

void SimUnit::vanish() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++faults_;
    closePty();
    vanishedAt_ = step_;
}

bool SimUnit::comeBack() {
    std::lock_guard<std::mutex> lock(mutex_);
    vanishedAt_ = -1;
    return master_ >= 0 || openPty();
}

SimSwitches SimUnit::switches() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return switches_;
}

void SimUnit::setSwitches(const SimSwitches& s) {
    std::lock_guard<std::mutex> lock(mutex_);
    switches_ = s;
    rng_.seed(s.seed);
    image_[Byte::CompatibilityCode] = static_cast<std::uint8_t>(s.compatibilityCode);
    image_[Byte::BikeMask0] = s.bikeMask;
    applyHeldLocked();
    switchStep_ = step_;
}

void SimUnit::applyHeldLocked() {
    for (const auto& [position, value] : switches_.held)
        if (position >= 0 && position < kImageSize)
            image_[position] = value;
}

DeviceImage SimUnit::image() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return image_;
}

void SimUnit::setImage(const DeviceImage& image) {
    std::lock_guard<std::mutex> lock(mutex_);
    image_ = image;
    applyHeldLocked();
}

std::vector<SimReceived> SimUnit::received() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
}

void SimUnit::clearReceived() {
    std::lock_guard<std::mutex> lock(mutex_);
    received_.clear();
}

int SimUnit::programmings() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return programmings_;
}

long SimUnit::faultsInjected() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return faults_;
}

Frame SimUnit::monitorFrame() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return buildMonitorLocked();
}

bool SimUnit::chance(double share) {
    if (share <= 0.0)
        return false;
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < share;
}

int SimUnit::pump() {
    std::lock_guard<std::mutex> lock(mutex_);
    // A flood or a burst of monitor packets lands before or after the step's replies, so a
    // reply sometimes still heads the bytes the program reads next.
    const bool noiseFirst =
        (switches_.floodBytesPerStep > 0 || switches_.monitorBurst > 0) && chance(0.5);
    int written = noiseFirst ? floodLocked() + burstLocked() : 0;
    written += stepLocked();
    written += serviceInputLocked();
    if (!noiseFirst)
        written += floodLocked() + burstLocked();
    return written;
}

int SimUnit::burstLocked() {
    if (switches_.monitorBurst <= 0 || master_ < 0 || !chance(switches_.monitorBurstShare))
        return 0;
    const int count = std::uniform_int_distribution<int>(1, switches_.monitorBurst)(rng_);
    const Frame packet = buildMonitorLocked();
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < count; ++i)
        bytes.insert(bytes.end(), packet.begin(), packet.end());
    ++faults_;
    return writeBytes(bytes);
}

int SimUnit::floodLocked() {
    if (switches_.floodBytesPerStep <= 0 || master_ < 0)
        return 0;
    std::uniform_int_distribution<int> any(0, 255);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(switches_.floodBytesPerStep));
    for (std::uint8_t& b : bytes)
        b = static_cast<std::uint8_t>(any(rng_));
    ++faults_;
    return writeBytes(bytes);
}

int SimUnit::serviceInputLocked() {
    if (master_ < 0)
        return 0;
    readLineLocked();
    // Whole valid frames are answered; anything else is skipped byte by byte to resynchronise.
    std::size_t pos = 0;
    while (input_.size() - pos >= static_cast<std::size_t>(kFrameSize)) {
        if (frameValid(input_.data() + pos)) {
            handleFrame(input_.data() + pos);
            pos += kFrameSize;
        } else {
            ++pos;
        }
    }
    input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(pos));
    return writeDue();
}

int SimUnit::stepLocked() {
    ++step_;
    // The servo follows its desired position with a lag.
    const int desired = servoDesiredMillivolts();
    servoMeasured_ += (desired - servoMeasured_) / 3;

    if (master_ >= 0 && switches_.vanishAfterSteps > 0 &&
        step_ - switchStep_ == switches_.vanishAfterSteps) {
        closePty();
        vanishedAt_ = step_;
        ++faults_;
        return 0;
    }
    if (master_ < 0 && vanishedAt_ >= 0 && switches_.vanishForSteps > 0 &&
        step_ - vanishedAt_ >= switches_.vanishForSteps) {
        vanishedAt_ = -1;
        openPty();
        return 0;
    }
    for (Pending& p : pending_)
        --p.delay;
    return writeDue();
}

void SimUnit::handleFrame(const std::uint8_t* frame) {
    SimReceived r;
    r.command = frame[0];
    std::memcpy(r.data.data(), frame + 1, kFrameData);
    if (received_.size() >= kReceivedLimit)
        received_.erase(received_.begin(), received_.begin() + kReceivedLimit / 2);
    received_.push_back(r);
    if (switches_.silent) {
        ++faults_;
        return;
    }

    const std::uint8_t command = frame[0];
    const int page = command & Command::PageMask;
    Frame reply{};
    if (command == Command::Monitor) {
        reply = buildMonitorLocked();
    } else if ((command & ~Command::PageMask) == Command::Program && page <= 2) {
        if (page > 0) {
            std::memcpy(image_.page(page), frame + 1, kPageSize);
            applyHeldLocked();
        }
        reply = makeFrame(command ^ Command::ReplyBit, image_.page(page));
        if (page == 1 && switches_.changeRpm2)
            ++image_[Byte::RPM2]; // the unit's own correction, seen only by a verify
        if (page == 2)
            ++programmings_;
    } else if ((command & ~Command::PageMask) == Command::Read && page <= 2) {
        reply = makeFrame(command ^ Command::ReplyBit, image_.page(page));
    } else {
        return;
    }
    if (page == 0 && (switches_.compatibilityCode != kCompatibilityCode ||
                      switches_.bikeMask != SimSwitches{}.bikeMask))
        ++faults_; // an identification page the program should refuse or check
    if (page > 0 && std::any_of(switches_.held.begin(), switches_.held.end(),
                                [&](const auto& h) { return h.first / kPageSize == page; }))
        ++faults_; // the page carries a value the unit holds on to
    if (command != Command::Monitor)
        nearMissLocked(reply);

    if (switches_.wrongCommand) {
        ++faults_;
        reply[0] ^= 0x01;
        reply[kFrameSize - 1] ^= 0x01; // still a valid frame
    }
    if (chance(switches_.dropShare)) {
        ++faults_;
        return;
    }
    if (chance(switches_.corruptShare)) {
        ++faults_;
        const int byte = std::uniform_int_distribution<int>(0, kFrameSize - 1)(rng_);
        const int bit = std::uniform_int_distribution<int>(0, 7)(rng_);
        reply[static_cast<std::size_t>(byte)] ^= static_cast<std::uint8_t>(1u << bit);
    }
    queueReply(reply);
}

void SimUnit::nearMissLocked(Frame& reply) {
    const NearMiss kind = switches_.nearMiss;
    const int page = reply[0] & Command::PageMask;
    if (kind == NearMiss::None || (kind == NearMiss::OneByteOff && page != 2) ||
        !chance(switches_.nearMissShare))
        return;
    ++faults_;
    switch (kind) {
    case NearMiss::OtherKind:
        reply[0] ^= 0x40;
        break;
    case NearMiss::OtherPage: {
        const int other = (page + 1) % 3;
        reply = makeFrame(static_cast<std::uint8_t>((reply[0] & ~Command::PageMask) | other),
                          image_.page(other));
        return;
    }
    case NearMiss::NoReplyBit:
        reply[0] ^= Command::ReplyBit;
        break;
    case NearMiss::OneByteOff: {
        // Never the same wrong byte twice running: a unit that tells one lie consistently
        // cannot be told from one that holds it.
        int at = lastOffAt_;
        int flip = lastOffFlip_;
        while (at == lastOffAt_ && flip == lastOffFlip_) {
            at = std::uniform_int_distribution<int>(1, kFrameData)(rng_);
            flip = std::uniform_int_distribution<int>(1, 255)(rng_);
        }
        lastOffAt_ = at;
        lastOffFlip_ = flip;
        reply[static_cast<std::size_t>(at)] ^= static_cast<std::uint8_t>(flip);
        break;
    }
    case NearMiss::None:
        return;
    }
    reply = makeFrame(reply[0], reply.data() + 1); // a valid frame all the same
}

void SimUnit::queueReply(const Frame& reply) {
    const int delay = std::max(0, switches_.lateSteps);
    std::vector<std::uint8_t> bytes;
    faults_ += delay > 0;
    faults_ += switches_.splitFrames;
    if (chance(switches_.garbageShare)) {
        ++faults_;
        std::uniform_int_distribution<int> any(0, 255);
        for (int i = 0; i < switches_.garbageBytes; ++i)
            bytes.push_back(static_cast<std::uint8_t>(any(rng_)));
    }
    if (switches_.splitFrames) {
        bytes.insert(bytes.end(), reply.begin(), reply.begin() + kSplitAt);
        pending_.push_back({delay, bytes});
        pending_.push_back({delay + 1, {reply.begin() + kSplitAt, reply.end()}});
        return;
    }
    bytes.insert(bytes.end(), reply.begin(), reply.end());
    pending_.push_back({delay, bytes});
}

int SimUnit::writeDue() {
    int written = 0;
    // First in, first out: a later reply never overtakes a held-back part.
    while (!pending_.empty() && pending_.front().delay <= 0) {
        written += writeBytes(pending_.front().bytes);
        pending_.erase(pending_.begin());
    }
    return written;
}

int SimUnit::engineRpm() const {
    // Sweeps from below the first point of the advance axis to beyond its last.
    const int top = image_[Byte::RPM_ADV + kAxisPoints - 1] * 100 + 2000;
    return 300 + static_cast<int>(triangle(step_, 400) * (top - 300));
}

int SimUnit::throttlePercent() const {
    const int tps = static_cast<int>(triangle(step_, 140) * 100);
    // Now and then the sensor reads beyond its end: a sensor error.
    if ((step_ / 140) % 4 == 3 && tps > 90)
        return 101 + static_cast<int>(step_ % 10);
    return tps;
}

// The unit works in the cell the program marks: the same nearest-point rule, the full-throttle
// row while the throttle map is off.
MapCursor SimUnit::cellInUse() const {
    const int tps = throttlePercent();
    return computeMapCursor(static_cast<std::uint16_t>(engineRpm()), static_cast<std::uint8_t>(tps),
                            image_);
}

int SimUnit::servoDesiredMillivolts() const {
    return image_[Byte::NAP_PRIV + cellInUse().servoColumn] * 20;
}

Frame SimUnit::buildMonitorLocked() const {
    const long t = step_;
    const int rpm = engineRpm();
    const int tps = throttlePercent();
    const MapCursor cell = cellInUse();
    const int column = cell.column;
    const int advance = cell.belowMap ? image_[Byte::BASE_ADV] : image_.map(cell.row, cell.column);
    const int lambdaMv = 100 + static_cast<int>(t * 37 % 800);
    const int tpsMv = 500 + std::min(tps, 110) * 40;
    const int servoDesired = servoDesiredMillivolts();

    Frame f{};
    f[0] = Command::MonitorReply;
    put16(f, 1, rpm);
    put16(f, 3, rawFromMillivolts(tpsMv));
    put16(f, 5, rawFromMillivolts(lambdaMv));
    put16(f, 7, rawFromMillivolts(servoMeasured_));
    put16(f, 9, rawFromMillivolts(servoDesired));
    put16(f, 11, programmings_);
    const int tests[8] = {static_cast<int>(t & 0xFFFF),
                          rpm / 10,
                          tps,
                          advance,
                          lambdaMv,
                          servoDesired,
                          servoMeasured_,
                          column};
    for (int i = 0; i < 8; ++i)
        put16(f, 13 + 2 * i, tests[i]);
    f[29] = static_cast<std::uint8_t>(tps);
    f[30] = static_cast<std::uint8_t>(advance);
    f[31] = rpm < 1500 && (t / 50) % 2 == 0;
    f[32] = rpm > image_[Byte::LIMITER1] * 100;
    f[33] = (t / 37) % 2;
    f[34] = (t / 53) % 3 == 0;
    f[35] = rpm > image_[Byte::LED_RAZENI] * 100;
    f[36] = (t / 200) % 5 != 4;
    f[37] = (t / 29) % 4 == 0;
    f[38] = (t / 300) % 2;
    f[39] = tps > 90 && image_[Byte::N2O_ENABLE] != 0;
    std::uint8_t check = 0xFF;
    for (int i = 0; i < kFrameSize - 1; ++i)
        check ^= f[static_cast<std::size_t>(i)];
    f[kFrameSize - 1] = check;
    return f;
}

void SimUnit::startThread() {
    if (running_.exchange(true))
        return;
    thread_ = std::thread(&SimUnit::threadLoop, this);
}

void SimUnit::stopThread() {
    if (!running_.exchange(false))
        return;
    if (thread_.joinable())
        thread_.join();
}

void SimUnit::threadLoop() {
    using Clock = std::chrono::steady_clock;
    auto nextStep = Clock::now() + kStep;
    while (running_) {
        int fd = -1;
        bool onTime = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            // Steps missed while asleep are caught up, so the engine model keeps its pace.
            for (int n = 0; Clock::now() >= nextStep && n < 200; ++n) {
                floodLocked();
                burstLocked();
                stepLocked();
                nextStep += kStep;
            }
            if (Clock::now() >= nextStep)
                nextStep = Clock::now() + kStep;
            serviceInputLocked();
            fd = master_;
            // Steps must run on time only while something waits for one: a held-back or
            // split reply, a scheduled vanish or return, or a flood.
            onTime = !pending_.empty() || fd < 0 || switches_.vanishAfterSteps > 0 ||
                     switches_.floodBytesPerStep > 0 || switches_.monitorBurst > 0;
        }
        // Otherwise sleep until a request arrives: a unit that is only asked for monitor
        // values wakes a few times a second, not every step.
        const auto untilStep =
            std::chrono::duration_cast<std::chrono::milliseconds>(nextStep - Clock::now()).count();
        const int timeout =
            onTime ? static_cast<int>(std::clamp<long long>(untilStep, 0, 55)) : 250;
        waitForRequest(timeout);
    }
}

} // namespace vortan
