#pragma once
// What the command line needs of the unit's operations, and the driver that runs them on a
// session. The command line talks to UnitDriver only.

#include "link/DeviceOperations.h"
#include "params/DeviceImage.h"
#include "session/Session.h"

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

// Drives the operations of a session, the window's own model: the same operations, the same
// tick, the restore point of a verified program.
class SessionDriver : public UnitDriver {
public:
    SessionDriver(Session& session, UnitListener& listener);

    DeviceImage& image() override { return session_.image(); }
    const std::optional<DeviceImage>& unitSeen() const override {
        return session_.operations().unitSeen;
    }
    void start(Step step) override;
    bool running() const override {
        return session_.operations().operation != DeviceOperations::Idle;
    }
    void tick() override { session_.runTick(); }
    int silenceCount() const override { return session_.tick().silenceCount; }

private:
    Session& session_;
};

} // namespace vortan
