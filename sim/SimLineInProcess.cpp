#include "link/InProcessLine.h"
#include "sim/SimUnit.h"

#include <chrono>
#include <thread>

// The simulated unit's line inside the program, for systems without pseudo-terminals: the
// link opens it by the unit's device path, a name such as VORTAN2-SIM1. master_ only marks the
// line as open (0) or gone (-1). The name stays across vanish and come-back, as a port's
// name stays when an adapter is plugged in again.

namespace vortan {

bool SimUnit::openPty() {
    if (slavePath_.empty())
        slavePath_ = InProcessLine::freshName();
    line_ = InProcessLine::open(linkPath_.empty() ? slavePath_ : linkPath_);
    master_ = 0;
    input_.clear();
    pending_.clear();
    return true;
}

void SimUnit::closePty() {
    if (line_)
        line_->hangUp();
    line_.reset();
    master_ = -1;
    input_.clear();
    pending_.clear();
}

void SimUnit::pointLink() {}

bool SimUnit::setLinkPath(const std::string& linkPath) {
    std::lock_guard<std::mutex> lock(mutex_);
    linkPath_ = linkPath;
    if (master_ >= 0)
        openPty(); // the line now answers under the new name
    return true;
}

void SimUnit::readLineLocked() {
    if (line_)
        line_->unitRead(input_);
}

int SimUnit::writeBytes(const std::vector<std::uint8_t>& bytes) {
    if (!line_ || !line_->unitWrite(bytes.data(), bytes.size()))
        return 0;
    return static_cast<int>(bytes.size());
}

void SimUnit::waitForRequest(int timeoutMs) {
    std::shared_ptr<InProcessLine> line;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        line = line_;
    }
    if (line)
        line->waitForProgram(timeoutMs);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
}

} // namespace vortan
