#include "link/InProcessLine.h"

#include <atomic>
#include <chrono>
#include <map>

namespace vortan {
namespace {

std::mutex registryMutex;
std::map<std::string, std::weak_ptr<InProcessLine>>& registry() {
    static std::map<std::string, std::weak_ptr<InProcessLine>> lines;
    return lines;
}

bool take(std::vector<std::uint8_t>& from, std::vector<std::uint8_t>& out) {
    out.insert(out.end(), from.begin(), from.end());
    from.clear();
    return true;
}

void put(std::vector<std::uint8_t>& to, const std::uint8_t* bytes, std::size_t size,
         std::size_t limit) {
    const std::size_t room = to.size() < limit ? limit - to.size() : 0;
    to.insert(to.end(), bytes, bytes + std::min(size, room));
}

} // namespace

std::shared_ptr<InProcessLine> InProcessLine::open(const std::string& name) {
    auto line = std::make_shared<InProcessLine>(name);
    std::shared_ptr<InProcessLine> old;
    {
        std::lock_guard<std::mutex> lock(registryMutex);
        old = registry()[name].lock();
        registry()[name] = line;
    }
    if (old)
        old->hangUp();
    return line;
}

std::shared_ptr<InProcessLine> InProcessLine::find(const std::string& name) {
    std::lock_guard<std::mutex> lock(registryMutex);
    const auto it = registry().find(name);
    return it == registry().end() ? nullptr : it->second.lock();
}

std::string InProcessLine::freshName() {
    static std::atomic<int> count{0};
    return "VORTAN2-SIM" + std::to_string(++count);
}

void InProcessLine::hangUp() {
    {
        std::lock_guard<std::mutex> lock(registryMutex);
        const auto it = registry().find(name_);
        if (it != registry().end() && it->second.lock().get() == this)
            registry().erase(it);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    hungUp_ = true;
    toProgram_.clear();
    toUnit_.clear();
    sent_.notify_all();
}

bool InProcessLine::hungUp() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return hungUp_;
}

bool InProcessLine::programRead(std::vector<std::uint8_t>& out) {
    std::lock_guard<std::mutex> lock(mutex_);
    return !hungUp_ && take(toProgram_, out);
}

bool InProcessLine::programWrite(const std::uint8_t* bytes, std::size_t size) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (hungUp_)
        return false;
    put(toUnit_, bytes, size, kQueueLimit);
    sent_.notify_all();
    return true;
}

bool InProcessLine::unitRead(std::vector<std::uint8_t>& out) {
    std::lock_guard<std::mutex> lock(mutex_);
    return !hungUp_ && take(toUnit_, out);
}

bool InProcessLine::unitWrite(const std::uint8_t* bytes, std::size_t size) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (hungUp_)
        return false;
    put(toProgram_, bytes, size, kQueueLimit);
    return true;
}

void InProcessLine::waitForProgram(int msecs) {
    std::unique_lock<std::mutex> lock(mutex_);
    sent_.wait_for(lock, std::chrono::milliseconds(msecs),
                   [this] { return hungUp_ || !toUnit_.empty(); });
}

} // namespace vortan
