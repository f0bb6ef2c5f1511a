#include "sim/SimUnit.h"

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

// The simulated unit's line on a pseudo-terminal: the program opens the slave path like any
// serial device.

namespace vortan {

bool SimUnit::openPty() {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return false;
    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::cfsetispeed(&tio, B57600);
        ::cfsetospeed(&tio, B57600);
        ::tcsetattr(slave, TCSANOW, &tio);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    // Our own slave descriptor stays open so the line never hangs up when the program
    // closes its side.
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    master_ = master;
    slave_ = slave;
    slavePath_ = name;
    input_.clear();
    pending_.clear();
    pointLink();
    return true;
}

void SimUnit::closePty() {
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
    master_ = slave_ = -1;
    input_.clear();
    pending_.clear();
    // No link to a freed terminal number: another program may get it next.
    if (!linkPath_.empty())
        ::unlink(linkPath_.c_str());
}

void SimUnit::pointLink() {
    if (linkPath_.empty() || slavePath_.empty())
        return;
    // Replace atomically, so an opener never sees the path missing while we are present.
    const std::string temp = linkPath_ + ".new";
    ::unlink(temp.c_str());
    if (::symlink(slavePath_.c_str(), temp.c_str()) == 0)
        ::rename(temp.c_str(), linkPath_.c_str());
}

bool SimUnit::setLinkPath(const std::string& linkPath) {
    std::lock_guard<std::mutex> lock(mutex_);
    linkPath_ = linkPath;
    if (master_ < 0)
        return true;
    pointLink();
    char target[256] = {};
    return ::readlink(linkPath_.c_str(), target, sizeof target - 1) > 0 && slavePath_ == target;
}

void SimUnit::readLineLocked() {
    if (master_ < 0)
        return;
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        input_.insert(input_.end(), buffer, buffer + n);
    }
}

int SimUnit::writeBytes(const std::vector<std::uint8_t>& bytes) {
    if (master_ < 0)
        return 0;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            break; // a full line drops the rest, as a real one would
        done += static_cast<std::size_t>(n);
    }
    return static_cast<int>(done);
}

void SimUnit::waitForRequest(int timeoutMs) {
    int fd = -1;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        fd = master_;
    }
    if (fd >= 0) {
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, timeoutMs);
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
    }
}

} // namespace vortan
