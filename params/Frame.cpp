#include "params/Frame.h"

namespace vortan {

Frame makeFrame(std::uint8_t command, const std::uint8_t* data) {
    Frame f{};
    f[0] = command;
    std::uint8_t check = command ^ 0xFF;
    for (int i = 0; i < kFrameData; ++i) {
        f[1 + i] = data ? data[i] : 0;
        check ^= f[1 + i];
    }
    f[kFrameSize - 1] = check;
    return f;
}

bool frameValid(const std::uint8_t* frame) {
    std::uint8_t v = 0xFF;
    for (int i = 0; i < kFrameSize; ++i)
        v ^= frame[i];
    return v == 0;
}

const Frame& monitorRequest() {
    static const Frame f = makeFrame(Command::Monitor, nullptr);
    return f;
}

} // namespace vortan
