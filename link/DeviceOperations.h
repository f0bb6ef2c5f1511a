#pragma once
// Read, verify, program and compare as a state machine over timer ticks and reply frames.
// It knows nothing of widgets: it writes its frames to the link and tells the window what to
// show.

#include "link/Link.h"
#include "link/UnitRecord.h"
#include "params/DeviceImage.h"
#include "params/Frame.h"
#include "params/Messages.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vortan {

// What the window shows of an operation, and the steps it takes on the window's controls.
class OperationEvents {
public:
    virtual ~OperationEvents() = default;
    // Message label: colour (red for failures) and text, and the message countdown restarts
    // (Tick::messageShown); start messages also make it visible.
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
    // A read has the unit's pages 1 and 2 (in `received`, page 0 the image's): take them into
    // the set as one change, normalise and show.
    virtual void takeRead(const DeviceImage& received) = 0;
    // Page 0 arrived: show the unit's identification texts.
    virtual void showIdentification() = 0;
    // A comparison has the unit's pages 1 and 2 (unitSeen): show how they differ.
    virtual void showComparison() = 0;
    // Asked before a program starts, by the command (after takeControls) or by programming
    // after a change (`afterChange`, inside the change handler): false sends nothing.
    virtual bool confirmProgram(bool /*afterChange*/) { return true; }
};

class DeviceOperations {
public:
    // Compare reads pages 1 and 2 like a read, into unitSeen only; Identify reads page 0 alone.
    enum Operation : std::uint8_t {
        Idle = 0,
        Program = 1,
        Verify = 2,
        Read = 3,
        Compare = 4,
        Identify = 5
    };

    DeviceOperations(DeviceImage& image, Link& link, OperationEvents& events)
        : image_(image), link_(link), events_(events) {}

    // User commands (menu, button, shortcut).
    void startRead();
    void startVerify();
    void startProgram();
    // Reads the unit's pages 1 and 2 with a read's requests, resends and messages, changing
    // nothing of the set on screen, and ends with showComparison().
    void startCompare();
    // Reads the unit's identification page (page 0) with a read's requests and resends, as a
    // read takes it, shows the identification and ends; an incompatible unit is told by its
    // box. Nothing is shown at the start; a unit that does not answer ends in "Read error!".
    void startIdentify();
    // Called at the end of every change handler and by a click on the check box.
    void programAfterChange(bool checkBoxTicked);
    // A program after a change that confirmProgram() held back and the tuner then allowed;
    // its first request goes out from tick().
    void startConfirmedProgramAfterChange();

    // Step 2 of a tick: resend or fail a running operation, or while idle send a monitor
    // request every 6 ticks.
    void tick();
    // A received frame whose first byte is not 0xB0 (102 bytes); an invalid one is ignored.
    void handleReply(const std::uint8_t* frame);

    std::uint8_t operation = Idle;
    std::uint8_t currentCommand = 0;
    std::uint8_t tickCount = 0;
    std::uint8_t attemptCount = 0;
    // Pages 1 and 2 as the unit last sent them in a valid reply to a read, verify or program
    // request (also the reply that made a verify fail); unknown until the unit has answered.
    // A page not yet seen holds the set on screen at the first reply.
    std::optional<DeviceImage> unitSeen;
    // The set that the last verify ending OK agreed with, pages 1 and 2 as they were compared
    // (page 0 the image's at the end); unknown until one did.
    std::optional<DeviceImage> lastVerified;

    // Forgets unitSeen and the identification it came with (see forgetsUnitRecord).
    void forgetUnit();

private:
    void sendRequest();
    bool pageMatches(int page, const std::uint8_t* data, bool skipRpm2) const;
    void beginVerify(Message startMessage);
    void beginProgram();
    void nextPage();
    void fail();
    // A read or program received the unit's identification page.
    void takeIdentification(const std::uint8_t* data);

    DeviceImage& image_;
    Link& link_;
    OperationEvents& events_;
    std::array<std::uint8_t, kImageSize> changeSnapshot_{};
    // Page 1 of a read in progress: the set on screen changes only once both pages are in, so
    // a read that fails half way leaves it whole.
    std::array<std::uint8_t, kPageSize> readPage1_{};
    bool armed_ = false;
    // The identification page of the unit that unitSeen is of; unknown when none came since
    // the record began.
    std::optional<IdentificationPage> identification_;
    DeviceImage verifying_{}; // the pages a running verify has found matching
};

} // namespace vortan
