#include "link/DeviceOperations.h"

#include <cstring>

namespace vortan {

namespace {
constexpr int kResendTicks = 4;
constexpr int kMaxAttempts = 5;
constexpr int kMonitorTicks = 6;
} // namespace

// Page 1 goes out with its reserved byte at 0, whatever the image holds there (a last-image
// file or a restored image may carry another value).
void DeviceOperations::sendRequest() {
    const int page = currentCommand & Command::PageMask;
    if (operation == Read || operation == Compare || operation == Identify || page > 2) {
        link_.write(makeFrame(currentCommand, nullptr), true);
    } else {
        std::array<std::uint8_t, kPageSize> data;
        std::memcpy(data.data(), image_.page(page), kPageSize);
        if (page == 1)
            data[Byte::Reserved - kPageSize] = 0;
        link_.write(makeFrame(currentCommand, data.data()), true);
    }
    tickCount = 0;
}

// A reply's page against the image. The reserved byte of page 1 is never compared: what the
// unit returns there is ignored. A verify also leaves out RPM2, which the unit may correct.
bool DeviceOperations::pageMatches(int page, const std::uint8_t* data, bool skipRpm2) const {
    const std::uint8_t* mine = image_.page(page);
    for (int i = 0; i < kPageSize; ++i) {
        const int at = page * kPageSize + i;
        if (at == Byte::Reserved || (skipRpm2 && at == Byte::RPM2))
            continue;
        if (data[i] != mine[i])
            return false;
    }
    return true;
}

void DeviceOperations::startRead() {
    operation = Read;
    currentCommand = Command::Read;
    attemptCount = 1;
    events_.showMessage(Message::ReadStarted);
    events_.setGauge(0);
    events_.setGaugeVisible(true);
    events_.clearFileLabel();
    // The first request goes out from tick() once tickCount reaches 4.
}

// Page 0 is the unit's own: a comparison starts at page 1.
void DeviceOperations::startCompare() {
    operation = Compare;
    currentCommand = Command::Read + 1;
    attemptCount = 1;
    events_.showMessage(Message::ReadStarted);
    events_.setGauge(0);
    events_.setGaugeVisible(true);
    // The first request goes out from tick(), as a read's does.
}

void DeviceOperations::startIdentify() {
    operation = Identify;
    currentCommand = Command::Read;
    attemptCount = 1;
    // The first request goes out from tick(), as a read's does.
}

void DeviceOperations::startVerify() {
    events_.takeControls();
    beginVerify(Message::VerifyStartedByUser);
}

// Verify starts at page 1: page 0 is the unit's own and never compared.
void DeviceOperations::beginVerify(Message startMessage) {
    operation = Verify;
    currentCommand = Command::Read + 1;
    attemptCount = 1;
    sendRequest();
    events_.showMessage(startMessage);
    events_.setGauge(1);
    events_.setGaugeVisible(true);
}

void DeviceOperations::startProgram() {
    events_.takeControls();
    if (!events_.confirmProgram(false))
        return;
    beginProgram();
    sendRequest();
}

// A program after a change leaves its first send to tick(), like a read.
void DeviceOperations::beginProgram() {
    operation = Program;
    currentCommand = Command::Program;
    attemptCount = 1;
    events_.showMessage(Message::ProgramStarted);
    events_.setGauge(0);
    events_.setGaugeVisible(true);
}

void DeviceOperations::programAfterChange(bool checkBoxTicked) {
    if (!checkBoxTicked) {
        armed_ = false;
        return;
    }
    bool changed = !armed_;
    armed_ = true;
    for (int i = kPageSize; i < kImageSize; ++i) {
        if (changeSnapshot_[i] != image_[i]) {
            changed = true;
            changeSnapshot_[i] = image_[i];
        }
    }
    if (changed && events_.confirmProgram(true))
        beginProgram();
}

void DeviceOperations::startConfirmedProgramAfterChange() {
    beginProgram();
}

void DeviceOperations::tick() {
    if (operation == Idle) {
        if (++tickCount >= kMonitorTicks) {
            tickCount = 0;
            link_.write(monitorRequest(), false);
        }
        return;
    }
    if (++tickCount < kResendTicks)
        return;
    tickCount = 0;
    if (++attemptCount <= kMaxAttempts) {
        sendRequest();
        return;
    }
    fail();
}

void DeviceOperations::fail() {
    static constexpr Message kFailure[] = {Message::ProgramFailed, Message::ProgramFailed,
                                           Message::VerifyFailed,  Message::ReadFailed,
                                           Message::ReadFailed,    Message::ReadFailed};
    events_.showMessage(kFailure[operation]);
    operation = Idle;
}

void DeviceOperations::forgetUnit() {
    unitSeen.reset();
    identification_.reset();
}

void DeviceOperations::takeIdentification(const std::uint8_t* data) {
    UnitEventFacts facts;
    facts.event = UnitEvent::PageZero;
    facts.recorded = identification_;
    std::memcpy(facts.received.data(), data, kPageSize);
    if (forgetsUnitRecord(facts))
        forgetUnit();
    identification_ = facts.received;
}

void DeviceOperations::nextPage() {
    events_.addGauge(1);
    ++currentCommand;
    attemptCount = 1;
    sendRequest();
}

void DeviceOperations::handleReply(const std::uint8_t* frame) {
    if (!frameValid(frame))
        return;
    if (operation == Idle || frame[0] != (currentCommand ^ Command::ReplyBit))
        return;
    const int n = currentCommand & Command::PageMask;
    if (n > 2)
        return;
    const std::uint8_t* data = frame + 1;
    std::uint8_t* page = image_.page(n);
    if (n > 0) {
        if (!unitSeen)
            unitSeen = image_;
        std::memcpy(unitSeen->page(n), data, kPageSize);
    }

    switch (operation) {
    case Read:
        if (n == 1) {
            std::memcpy(readPage1_.data(), data, kPageSize);
        } else if (n == 2) {
            DeviceImage received = image_;
            std::memcpy(received.page(1), readPage1_.data(), kPageSize);
            std::memcpy(received.page(2), data, kPageSize);
            received[Byte::Reserved] = 0; // ignored on receipt
            events_.takeRead(received);
            beginVerify(Message::VerifyStartedAuto);
            return;
        } else {
            takeIdentification(data);
            std::memcpy(page, data, kPageSize);
            events_.showIdentification();
            if (!unitCompatible(image_)) {
                operation = Idle;
                events_.normaliseAndShow();
                events_.showMessageBox(Message::IncompatibleUnit);
                return;
            }
        }
        nextPage();
        return;

    case Verify:
        if (!pageMatches(n, data, true))
            return; // resent by tick(), in the end a verify failure
        std::memcpy(verifying_.page(n), image_.page(n), kPageSize);
        if (n < 2) {
            nextPage();
            return;
        }
        std::memcpy(verifying_.page(0), image_.page(0), kPageSize);
        lastVerified = verifying_;
        events_.setGaugeVisible(false);
        events_.showMessage(Message::VerifyOk);
        operation = Idle;
        return;

    case Program:
        if (n == 0) {
            takeIdentification(data);
            std::memcpy(page, data, kPageSize);
            events_.showIdentification();
            events_.normaliseAndShow();
            if (!unitCompatible(image_)) {
                operation = Idle;
                events_.showMessageBox(Message::IncompatibleUnit);
                return;
            }
            if (!bikeSupported(image_, image_[Byte::BIKE])) {
                operation = Idle;
                events_.showMessageBox(Message::UnsupportedBike);
                return;
            }
        } else if (!pageMatches(n, data, false)) {
            return; // the unit's copy differs: resent by tick(), in the end a failure
        }
        if (n < 2) {
            nextPage();
            return;
        }
        beginVerify(Message::VerifyStartedAuto);
        return;

    case Identify:
        takeIdentification(data);
        std::memcpy(page, data, kPageSize);
        events_.showIdentification();
        operation = Idle;
        if (!unitCompatible(image_))
            events_.showMessageBox(Message::IncompatibleUnit);
        return;

    case Compare: // the reply is in unitSeen already
        if (n < 2) {
            nextPage();
            return;
        }
        events_.setGaugeVisible(false);
        operation = Idle;
        events_.showComparison();
        return;
    default:
        return;
    }
}

} // namespace vortan
