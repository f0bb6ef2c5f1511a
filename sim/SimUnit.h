#pragma once
// A simulated Vortan 2 unit on a line of its own: a pseudo-terminal whose slave path the
// program opens like any serial device (SimLinePty.cpp), or where there are none (Windows) a
// line inside the program that the link opens by its name (SimLineInProcess.cpp). It answers
// program, read/verify and monitor requests from its own 300-byte image and a small engine model,
// and can be told to misbehave.

#include "params/DeviceImage.h"
#include "params/Frame.h"
#include "params/MapCursor.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace vortan {

class InProcessLine;

// Valid frames that are not quite the reply asked for.
enum class NearMiss {
    None,
    OtherKind,  // program reply to a read request and back (bit 6 flipped)
    OtherPage,  // the reply for the next page, with that page's data
    NoReplyBit, // the request's own command byte, bit 7 clear
    OneByteOff, // a page-2 reply whose data differ from the unit's page in one byte
};

// Failure switches; shares are probabilities 0..1 per reply.
struct SimSwitches {
    bool silent = false;       // answer nothing
    double dropShare = 0.0;    // leave out this share of replies
    double corruptShare = 0.0; // flip one bit in this share of replies
    bool wrongCommand = false; // reply with another command byte (page bit flipped)
    int lateSteps = 0;         // hold each reply back this many steps (pumps or 55 ms)
    double garbageShare = 0.0; // this share of replies is preceded by garbage bytes
    int garbageBytes = 7;      // how many
    bool splitFrames = false;  // write each reply in two parts, one step apart
    int compatibilityCode = kCompatibilityCode; // page 0 byte 10
    std::uint8_t bikeMask = 0x3F;               // page 0 byte 11: motorbike types 0..5
    bool changeRpm2 = false;                    // after storing page 1 the unit alters its byte 102
    int vanishAfterSteps = 0;                   // >0: vanish after this many steps ...
    int vanishForSteps = 0;    // ... and come back after this many more (0: stay away)
    int floodBytesPerStep = 0; // random bytes sent each step, before or after its replies
    NearMiss nearMiss = NearMiss::None;
    double nearMissShare = 1.0;     // share of page replies turned into the near miss
    int monitorBurst = 0;           // >0: 1..this many unasked monitor packets ...
    double monitorBurstShare = 0.5; // ... on this share of steps, before or after its replies
    // Image positions the unit keeps at these values whatever it is sent.
    std::vector<std::pair<int, std::uint8_t>> held;
    unsigned seed = 1; // PRNG seed (applied by setSwitches)
};

// A request as it reached the unit.
struct SimReceived {
    std::uint8_t command = 0;
    std::array<std::uint8_t, kFrameData> data{};
};

class SimUnit {
public:
    SimUnit();
    ~SimUnit();
    SimUnit(const SimUnit&) = delete;
    SimUnit& operator=(const SimUnit&) = delete;

    // Opens the pseudo-terminal; false when that fails.
    bool start();
    // Also serve under `linkPath`, a symbolic link to the slave (an old link is replaced);
    // kept pointing at the current slave across vanish and come-back.
    bool setLinkPath(const std::string& linkPath);
    // The path to open: the link path when set, else the slave path.
    std::string devicePath() const;
    std::string slavePath() const;
    bool present() const;

    // Manual mode: read all pending request bytes without blocking, answer whole frames,
    // write replies that are due. One call is one step. Returns the bytes written.
    int pump();
    // Background mode: a thread that serves on its own, one step every 55 ms.
    void startThread();
    void stopThread();

    // Close the pseudo-terminal (as an unplugged adapter), and come back on a new one.
    void vanish();
    bool comeBack();

    SimSwitches switches() const;
    void setSwitches(const SimSwitches& s); // also reseeds the PRNG

    DeviceImage image() const;
    void setImage(const DeviceImage& image);
    // The requests received, oldest first (the latest 10000 at least).
    std::vector<SimReceived> received() const;
    void clearReceived();
    int programmings() const;
    // How often a switch has spoiled a reply or a step since construction.
    long faultsInjected() const;

    // The monitor packet the engine model gives at the current step.
    Frame monitorFrame() const;

private:
    struct Pending {
        int delay;
        std::vector<std::uint8_t> bytes;
    };

    // The line, by the side built for this system (SimLinePty.cpp, SimLineInProcess.cpp).
    bool openPty();
    void closePty();
    void pointLink();
    void readLineLocked(); // appends what waits on the line to input_
    void waitForRequest(int timeoutMs);
    int stepLocked();
    int serviceInputLocked();
    int engineRpm() const;
    int throttlePercent() const;
    MapCursor cellInUse() const;
    int servoDesiredMillivolts() const;
    void handleFrame(const std::uint8_t* frame);
    void queueReply(const Frame& reply);
    int writeDue();
    int writeBytes(const std::vector<std::uint8_t>& bytes);
    int floodLocked();
    int burstLocked();
    void applyHeldLocked();
    void nearMissLocked(Frame& reply);
    bool chance(double share);
    Frame buildMonitorLocked() const;
    void threadLoop();

    mutable std::mutex mutex_;
    SimSwitches switches_;
    std::mt19937 rng_;
    DeviceImage image_;
    std::vector<SimReceived> received_;
    std::vector<std::uint8_t> input_;
    std::vector<Pending> pending_;
    int programmings_ = 0;
    long faults_ = 0;
    long step_ = 0;
    long vanishedAt_ = -1;
    long switchStep_ = 0;
    int servoMeasured_ = 0;
    int lastOffAt_ = -1; // the last one-byte-off near miss: position and flipped bits
    int lastOffFlip_ = 0;

    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    std::string linkPath_;
    std::shared_ptr<InProcessLine> line_; // the line inside the program, where that is used

    std::thread thread_;
    std::atomic<bool> running_{false};
};

} // namespace vortan
