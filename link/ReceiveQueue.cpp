#include "link/ReceiveQueue.h"

#include <algorithm>

namespace vortan {

int ReceiveQueue::drainSize(int waiting) {
    if (waiting < kFrameSize)
        return 0;
    return waiting > kReadAllUpTo ? kChunk : waiting;
}

void ReceiveQueue::append(const QByteArray& bytes) {
    const qsizetype room = kLimit - bytes_.size();
    if (room > 0)
        bytes_.append(bytes.constData(), std::min(room, bytes.size()));
}

QByteArray ReceiveQueue::drain() {
    const int take = drainSize(size());
    QByteArray out = bytes_.left(take);
    bytes_.remove(0, take);
    return out;
}

const std::uint8_t* firstFrame(const QByteArray& drained) {
    if (drained.size() < kFrameSize)
        return nullptr;
    return reinterpret_cast<const std::uint8_t*>(drained.constData());
}

} // namespace vortan
