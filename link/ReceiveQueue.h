#pragma once
// The input queue between the serial port and the tick, and the rule by which a tick drains
// it: nothing while less than one frame waits, 1000 bytes when more than 1024 wait, else all.
// It holds at most 10000 bytes; what arrives beyond that is dropped, as a full driver queue
// would drop it. Of what one drain reads only the first frame is examined.

#include "params/Frame.h"

#include <QByteArray>

namespace vortan {

class ReceiveQueue {
public:
    static constexpr int kLimit = 10000;
    static constexpr int kChunk = 1000;
    static constexpr int kReadAllUpTo = 1024;

    // How many of `waiting` bytes one drain reads.
    static int drainSize(int waiting);

    // Appends what arrived, as far as the limit allows.
    void append(const QByteArray& bytes);
    // One drain: the bytes read, oldest first; empty when less than a frame waits.
    QByteArray drain();
    // What waits, oldest first.
    const QByteArray& bytes() const { return bytes_; }
    int size() const { return static_cast<int>(bytes_.size()); }
    void clear() { bytes_.clear(); }

private:
    QByteArray bytes_;
};

// The first frame of what one drain read, the only one examined; null when less than a frame
// was read.
const std::uint8_t* firstFrame(const QByteArray& drained);

} // namespace vortan
