#pragma once
// Read, verify and program as a state machine over timer ticks and reply frames.
// It knows nothing of widgets: it asks its host to send frames and to show what happens.

#include "lang/Texts.h"
#include "link/Frame.h"
#include "params/DeviceImage.h"

#include <array>
#include <cstdint>

namespace vortan {

class OperationHost {
public:
    virtual ~OperationHost() = default;
    // Write a frame; operation requests then wait until the transmit buffer is empty.
    virtual void sendFrame(const Frame& frame, bool waitForTransmit) = 0;
    // Message label: colour (red for failures), text, countdown 200; start messages also
    // make it visible.
    virtual void showMessage(Message message) = 0;
    // Modal box with OK (compatibility checks).
    virtual void showMessageBox(Message message) = 0;
    virtual void setGauge(int value) = 0;
    virtual void addGauge(int delta) = 0;
    virtual void setGaugeVisible(bool visible) = 0;
    virtual void clearFileLabel() = 0;
    // Read controls, normalise, show: before program and verify.
    virtual void takeControls() = 0;
    // Normalise and show: after an image came from the unit.
    virtual void normaliseAndShow() = 0;
    // Page 0 arrived: show the unit's identification texts.
    virtual void showIdentification() = 0;
    // A valid frame arrived: the link is alive.
    virtual void linkAlive() = 0;
};

class DeviceOperations {
public:
    enum Operation : std::uint8_t { Idle = 0, Program = 1, Verify = 2, Read = 3 };

    DeviceOperations(DeviceImage& image, OperationHost& host) : image_(image), host_(host) {}

    // User commands (menu, button, shortcut).
    void startRead();
    void startVerify();
    void startProgram();
    // Called at the end of every change handler and by a click on the check box.
    void programAfterChange(bool checkBoxTicked);

    // Step 2 of a tick: resend or fail a running operation, or while idle send a monitor
    // request every 6 ticks.
    void tick();
    // A received frame whose first byte is not 0xB0 (102 bytes).
    void handleReply(const std::uint8_t* frame);

    std::uint8_t operation = Idle;
    std::uint8_t currentCommand = 0;
    std::uint8_t tickCount = 0;
    std::uint8_t attemptCount = 0;

private:
    void sendRequest();
    bool pageMatches(int page, const std::uint8_t* data, bool skipRpm2) const;
    void beginVerify(Message startMessage);
    void beginProgram();
    void nextPage();
    void fail();

    DeviceImage& image_;
    OperationHost& host_;
    std::array<std::uint8_t, kImageSize> changeSnapshot_{};
    bool armed_ = false;
};

} // namespace vortan
