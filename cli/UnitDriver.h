#pragma once
// What the command line needs of the unit's operations, and the driver that runs them on the
// device operations and the tick over a link. The command line talks to UnitDriver only, so
// the operations may be driven by another owner without changing it.

#include "link/DeviceOperations.h"
#include "link/Link.h"
#include "link/Tick.h"
#include "params/DeviceImage.h"

#include <optional>

namespace vortan {

// What an operation and a tick report to the command line.
class UnitListener {
public:
    virtual ~UnitListener() = default;
    virtual void message(Message m) = 0;    // a start or result message
    virtual void messageBox(Message m) = 0; // a compatibility box
    virtual void identified() = 0;          // the unit's identification page came
    virtual void compared() = 0;            // a comparison has the unit's pages 1 and 2
    virtual void packet() = 0;              // a valid monitor packet came
};

class UnitDriver {
public:
    enum class Step { Identify, Read, Verify, Program, Compare };
    virtual ~UnitDriver() = default;
    // The set worked with: what a program or verify sends, where a read puts the unit's.
    virtual DeviceImage& image() = 0;
    // Pages 1 and 2 as the unit last sent them; unknown before it answered.
    virtual const std::optional<DeviceImage>& unitSeen() const = 0;
    virtual void start(Step step) = 0;
    virtual bool running() const = 0;
    // One tick of 55 ms.
    virtual void tick() = 0;
    // Ticks since the last valid frame.
    virtual int silenceCount() const = 0;
};

// Drives the device operations and the tick directly.
class OperationsDriver : public UnitDriver, OperationEvents, TickView {
public:
    OperationsDriver(Link& link, UnitListener& listener)
        : listener_(listener), ops_(image_, link, *this), tick_(link, ops_) {}

    DeviceImage& image() override { return image_; }
    const std::optional<DeviceImage>& unitSeen() const override { return ops_.unitSeen; }
    void start(Step step) override;
    bool running() const override { return ops_.operation != DeviceOperations::Idle; }
    void tick() override { tick_.run(*this); }
    int silenceCount() const override { return tick_.silenceCount; }

private:
    // OperationEvents
    void showMessage(Message message) override;
    void showMessageBox(Message message) override { listener_.messageBox(message); }
    void setGauge(int) override {}
    void addGauge(int) override {}
    void setGaugeVisible(bool) override {}
    void clearFileLabel() override {}
    void takeControls() override { normalise(image_); }
    void normaliseAndShow() override { normalise(image_); }
    void showIdentification() override { listener_.identified(); }
    void showComparison() override { listener_.compared(); }
    // TickView
    void showMonitorValues(const MonitorPacket&) override { listener_.packet(); }
    void hideMessage() override {}
    void showNoConnection(bool) override {}
    void markMapCursor() override {}

    UnitListener& listener_;
    DeviceImage image_;
    DeviceOperations ops_;
    Tick tick_;
};

} // namespace vortan
