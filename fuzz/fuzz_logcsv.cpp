// Run-log reader on any bytes. The rows read are in time order; written again and read back
// they give the same text, so every value the reader takes is one the writer can put down.

#include "FuzzCheck.h"
#include "monitor/LogCsv.h"

#include <string>

using namespace vortan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const LogReadResult r = readLog(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(r.skipped >= 0);
    FUZZ_CHECK((r.error == LogError::None) == !r.rows.empty());
    FUZZ_CHECK((r.error == LogError::MissingColumns) == !r.missing.empty());
    std::string written = logHeader();
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        FUZZ_CHECK(i == 0 || r.rows[i - 1].timeMs <= r.rows[i].timeMs);
        written += logLine(r.rows[i].timeMs, r.rows[i].packet, MapCursor{});
    }
    if (r.rows.empty())
        return 0;
    const LogReadResult again = readLog(written.data(), written.size());
    FUZZ_CHECK(again.error == LogError::None && again.skipped == 0);
    std::string rewritten = logHeader();
    for (const LogRow& row : again.rows)
        rewritten += logLine(row.timeMs, row.packet, MapCursor{});
    FUZZ_CHECK(rewritten == written);
    return 0;
}
