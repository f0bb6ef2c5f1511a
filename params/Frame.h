#pragma once
// Frames on the serial line: a command byte, 100 data bytes and a check byte
// (0xFF XOR all the others), 102 bytes in both directions.

#include <array>
#include <cstdint>

namespace vortan {

constexpr int kFrameSize = 102;
constexpr int kFrameData = 100;
using Frame = std::array<std::uint8_t, kFrameSize>;

namespace Command {
constexpr std::uint8_t Monitor = 0x30;
constexpr std::uint8_t MonitorReply = 0xB0;
constexpr std::uint8_t Program = 0x00; // + page
constexpr std::uint8_t Read = 0x40;    // + page, also used to verify
constexpr std::uint8_t ReplyBit = 0x80;
constexpr std::uint8_t PageMask = 0x3F;
} // namespace Command

// `data` points at 100 bytes, or is null for 100 zeros.
Frame makeFrame(std::uint8_t command, const std::uint8_t* data);
// 0xFF XOR all 102 bytes is 0.
bool frameValid(const std::uint8_t* frame);
inline bool frameValid(const Frame& f) {
    return frameValid(f.data());
}
// 0x30, 100 zeros, 0xCF.
const Frame& monitorRequest();

} // namespace vortan
