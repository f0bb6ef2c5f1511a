#pragma once
// A serial line inside the program, between the simulated unit and the link: where no
// pseudo-terminal exists (Windows), the demo's unit serves one of these, and the link opens it
// by its name as it would open a port. Each direction is a byte queue; the unit hanging up
// is what an unplugged adapter is to a real port.

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vortan {

class InProcessLine {
public:
    // A line under `name`, found by find() until hangUp(); an old line of that name is hung up.
    static std::shared_ptr<InProcessLine> open(const std::string& name);
    // The line open under `name`; null when none is.
    static std::shared_ptr<InProcessLine> find(const std::string& name);
    // A name no line has had in this process ("VORTAN2-SIM1", ...).
    static std::string freshName();

    const std::string& name() const { return name_; }
    // The unit has gone: the name is free, reads and writes of both ends fail from now on.
    void hangUp();
    bool hungUp() const;

    // The program's end: what waits for it (empty when nothing does) and what it sends.
    // False when the line is hung up.
    bool programRead(std::vector<std::uint8_t>& out);
    bool programWrite(const std::uint8_t* bytes, std::size_t size);
    // The unit's end.
    bool unitRead(std::vector<std::uint8_t>& out);
    bool unitWrite(const std::uint8_t* bytes, std::size_t size);
    // Waits until the program has sent something, the line is hung up, or `msecs` passed.
    void waitForProgram(int msecs);

    explicit InProcessLine(std::string name) : name_(std::move(name)) {}

private:
    static constexpr std::size_t kQueueLimit = 65536; // a full line drops the rest
    const std::string name_;
    mutable std::mutex mutex_;
    std::condition_variable sent_;
    std::vector<std::uint8_t> toProgram_;
    std::vector<std::uint8_t> toUnit_;
    bool hungUp_ = false;
};

} // namespace vortan
