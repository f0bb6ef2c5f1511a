#pragma once
// The parameter file (*.ign): keyed text, header KALVORIN_KEY 15. The writer lays the keys
// out in fixed columns; the reader needs only whitespace between words.

#include "params/DeviceImage.h"

#include <optional>
#include <string>

namespace vortan {

constexpr int kParamFileVersion = 15;

// The whole file text; `eol` is the platform's line break ("\n" or "\r\n").
std::string writeParamFile(const DeviceImage& image, bool extMonitor, const std::string& eol);

struct ParamFileResult {
    bool headerFound = false;
    std::optional<bool> extMonitor; // set when the file has EXT_MON
};

// Reads `text` into `image`; keys that are missing leave their bytes as they were. When no
// header is found the image is untouched.
ParamFileResult readParamFile(const std::string& text, DeviceImage& image);

} // namespace vortan
