// Parameter-file reader on any bytes. When a header was found, what it read is written,
// read again onto another image and written once more: both texts must be the same, so
// every value the writer puts in a file comes back from it.

#include "FuzzCheck.h"
#include "files/ParamFile.h"

#include <string>

using namespace vortan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    DeviceImage image;
    setDefaults(image);
    const DeviceImage before = image;
    const ParamFileResult r = readParamFile(text, image);
    if (!r.headerFound) {
        FUZZ_CHECK(image == before); // no header: untouched
        FUZZ_CHECK(!r.extMonitor);
        return 0;
    }
    const bool ext = r.extMonitor.value_or(false);
    for (const char* eol : {"\n", "\r\n"}) {
        const std::string written = writeParamFile(image, ext, eol);
        DeviceImage other;
        other.bytes.fill(0xA5);
        const ParamFileResult again = readParamFile(written, other);
        FUZZ_CHECK(again.headerFound);
        FUZZ_CHECK(again.extMonitor && *again.extMonitor == ext);
        FUZZ_CHECK(writeParamFile(other, ext, eol) == written);
    }
    return 0;
}
