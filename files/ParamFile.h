#pragma once
// The parameter file (*.ign): keyed text, header KALVORIN_KEY 15. The writer lays the keys
// out in fixed columns; the reader needs only whitespace between words.

#include "params/DeviceImage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vortan {

constexpr int kParamFileVersion = 15;

// The whole file text; `eol` is the platform's line break ("\n" or "\r\n").
std::string writeParamFile(const DeviceImage& image, bool extMonitor, const std::string& eol);

// What the reader met in a file that is incomplete or damaged (cut off, edited by hand):
// each leaves the set other than the file seems to say, so it is told.
enum class FileProblemKind {
    Missing,   // a key of the set is not in the file: its values stay as they were
    CutShort,  // a key has fewer numbers than it needs (the end of the file, or a word that is
               // no number): the rest stay as they were
    DoesNotFit // a number does not fit its byte and was read as another value
};
struct FileProblem {
    FileProblemKind kind;
    std::string key;
    std::uint32_t value = 0; // DoesNotFit: the number in the file ...
    unsigned readAs = 0;     // ... and the value it was read as, in the file's units
    bool operator==(const FileProblem& o) const {
        return kind == o.kind && key == o.key && value == o.value && readAs == o.readAs;
    }
};

struct ParamFileResult {
    bool headerFound = false;
    std::optional<bool> extMonitor;    // set when the file has EXT_MON
    std::vector<FileProblem> problems; // in the order met, once per key and kind; missing last
};

// Reads `text` into `image`; keys that are missing leave their bytes as they were. When no
// header is found the image is untouched.
ParamFileResult readParamFile(const std::string& text, DeviceImage& image);

} // namespace vortan
