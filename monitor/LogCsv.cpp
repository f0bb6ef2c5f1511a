#include "monitor/LogCsv.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace vortan {

namespace {

// The columns: the three values every log needs, then one for each value of a packet in the
// order of PacketValue, then the map cursor's.
enum Column : int { TimeS, Rpm, ThrottlePct, FirstValue };
constexpr int valueColumn(PacketValue v) {
    return FirstValue + static_cast<int>(v);
}
enum CursorColumn : int {
    MapRow = FirstValue + static_cast<int>(PacketValue::Count),
    MapCol,
    BelowMap,
    ServoCol,
    ColumnCount
};

constexpr std::array<const char*, ColumnCount> kNames = {"time_s",
                                                         "rpm",
                                                         "throttle_pct",
                                                         "throttle_mv",
                                                         "lambda_mv",
                                                         "advance_deg",
                                                         "servo_desired_mv",
                                                         "servo_measured_mv",
                                                         "programmings",
                                                         "test1",
                                                         "test2",
                                                         "test3",
                                                         "test4",
                                                         "test5",
                                                         "test6",
                                                         "test7",
                                                         "test8",
                                                         "start_limiter",
                                                         "rpm_red",
                                                         "rpm_yellow",
                                                         "blocking1",
                                                         "blocking2",
                                                         "servo_ok",
                                                         "clutch",
                                                         "tacho",
                                                         "n2o",
                                                         "map_row",
                                                         "map_col",
                                                         "below_map",
                                                         "servo_col"};

// The largest value each column may hold; larger is a damaged row.
constexpr std::int64_t kMaxMs = 0x7FFFFFFF;
constexpr std::int64_t kMaxMillivolts = 0xFFFF * 5000 / 8184; // 65535 raw counts, in mV
std::int64_t maxOf(int column) {
    if (column == TimeS)
        return kMaxMs;
    if (column == Rpm)
        return 0xFFFF;
    if (column < FirstValue || column >= MapRow)
        return 0xFF;
    const auto v = static_cast<PacketValue>(column - FirstValue);
    if (v == PacketValue::ThrottleMv || v == PacketValue::Lambda ||
        v == PacketValue::ServoDesired || v == PacketValue::ServoMeasured)
        return kMaxMillivolts;
    const int test1 = valueColumn(PacketValue::Test1);
    if (v == PacketValue::Programmings || (column >= test1 && column < test1 + 8))
        return 0xFFFF;
    return 0xFF;
}

// A number without sign: digits, optionally a dot (or, with `decimalComma`, a comma) and more
// digits, spaces around it. `scale` 1000 gives thousandths (the time), 1 a whole number
// rounded half up.
bool parseNumber(const char* s, std::size_t n, std::int64_t scale, std::int64_t max,
                 bool decimalComma, std::int64_t& out) {
    while (n > 0 && s[0] == ' ')
        ++s, --n;
    while (n > 0 && s[n - 1] == ' ')
        --n;
    std::size_t i = 0;
    std::int64_t whole = 0;
    bool digits = false;
    for (; i < n && s[i] >= '0' && s[i] <= '9'; ++i) {
        whole = whole * 10 + (s[i] - '0');
        digits = true;
        if (whole > max)
            return false;
    }
    std::int64_t fraction = 0; // in thousandths
    std::int64_t unit = 100;
    bool roundUp = false;
    if (i < n && (s[i] == '.' || (decimalComma && s[i] == ','))) {
        for (++i; i < n && s[i] >= '0' && s[i] <= '9'; ++i) {
            digits = true;
            if (unit > 0)
                fraction += (s[i] - '0') * unit;
            else if (unit == 0)
                roundUp = s[i] >= '5'; // the digit after the thousandths
            unit = unit > 0 ? unit / 10 : -1;
        }
    }
    if (!digits || i != n)
        return false;
    std::int64_t value = whole * 1000 + fraction + (roundUp ? 1 : 0);
    value = scale == 1000 ? value : (value + 500) / 1000;
    if (value > max)
        return false;
    out = value;
    return true;
}

void put(std::string& line, std::int64_t v) {
    char buf[24];
    const int n = std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(v));
    line.append(buf, static_cast<std::size_t>(n));
}

// The field separator of a log: a comma, unless the header line has none and semicolons or
// tabs instead (spreadsheets in locales whose decimal mark is a comma write those).
char separatorOf(const char* p, std::size_t size, std::size_t from) {
    bool quoted = false;
    bool semicolon = false;
    bool tab = false;
    for (std::size_t i = from; i < size && (quoted || (p[i] != '\n' && p[i] != '\r')); ++i) {
        if (p[i] == '"')
            quoted = !quoted;
        else if (!quoted && p[i] == ',')
            return ',';
        semicolon = semicolon || (!quoted && p[i] == ';');
        tab = tab || (!quoted && p[i] == '\t');
    }
    return semicolon ? ';' : tab ? '\t' : ',';
}

// The CSV reader's state: fields are gathered only for the columns it knows.
class Reader {
public:
    explicit Reader(LogReadResult& result) : r_(result) {}

    void run(const char* p, std::size_t size) {
        std::size_t i = 0;
        if (size >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0)
            i = 3; // a spreadsheet's byte-order mark
        separator_ = separatorOf(p, size, i);
        bool quoted = false;
        bool afterQuote = false;
        for (; i < size && r_.error == LogError::None; ++i) {
            const char c = p[i];
            if (quoted) {
                if (c == '"') {
                    if (i + 1 < size && p[i + 1] == '"') {
                        append(c);
                        ++i;
                    } else {
                        quoted = false;
                        afterQuote = true;
                    }
                } else {
                    append(c);
                }
                continue;
            }
            if (c == '"' && fieldChars_ == 0 && !afterQuote) {
                quoted = true;
                rowHadText_ = true;
            } else if (c == separator_) {
                endField();
                afterQuote = false;
            } else if (c == '\n' || c == '\r') {
                if (c == '\r' && i + 1 < size && p[i + 1] == '\n')
                    ++i;
                endField();
                endRow();
                afterQuote = false;
            } else {
                append(c);
            }
        }
        if (r_.error == LogError::None && (fieldCount_ > 0 || fieldLength_ > 0 || quoted)) {
            endField();
            endRow();
        }
        finish();
    }

private:
    static constexpr std::size_t kFieldMax = 64; // a longer known field is damaged

    int columnOfField() const {
        if (inHeader_)
            return 0; // every header name is gathered
        return fieldCount_ < columnOf_.size() ? columnOf_[fieldCount_] : -1;
    }

    void append(char c) {
        rowHadText_ = true;
        ++fieldChars_;
        if (inHeader_ && c == '\0')
            r_.error = LogError::Binary;
        if (columnOfField() < 0)
            return;
        if (fieldLength_ < kFieldMax)
            field_[fieldLength_++] = c;
        else
            fieldOverflow_ = true;
    }

    void endField() {
        if (inHeader_) {
            int column = -1;
            if (!fieldOverflow_)
                for (int k = 0; k < ColumnCount; ++k)
                    if (std::strlen(kNames[k]) == fieldLength_ &&
                        std::memcmp(kNames[k], field_, fieldLength_) == 0 && !seen_[k])
                        column = k;
            if (column >= 0)
                seen_[static_cast<std::size_t>(column)] = true;
            columnOf_.push_back(static_cast<std::int8_t>(column));
        } else {
            const int column = columnOfField();
            const bool required = column == TimeS || column == Rpm || column == ThrottlePct;
            if (column >= 0 && column < MapRow && (required || !emptyField())) {
                std::int64_t v = 0;
                if (fieldOverflow_ || !parseNumber(field_, fieldLength_, column == TimeS ? 1000 : 1,
                                                   maxOf(column), separator_ != ',', v)) {
                    damaged_ = true;
                } else {
                    values_[static_cast<std::size_t>(column)] = v;
                    present_[static_cast<std::size_t>(column)] = true;
                }
            } // an empty optional field reads as 0, as a missing optional column does
        }
        ++fieldCount_;
        fieldLength_ = 0;
        fieldChars_ = 0;
        fieldOverflow_ = false;
    }

    void endRow() {
        const bool blank = fieldCount_ == 1 && lastRowEmpty();
        if (inHeader_) {
            if (!blank)
                takeHeader();
        } else if (!blank) {
            takeRow();
        }
        fieldCount_ = 0;
        damaged_ = false;
        values_.fill(0);
        present_.fill(false);
        rowHadText_ = false;
    }

    // A row of one empty field is a blank line (also a trailing one): not a row.
    bool lastRowEmpty() const { return !rowHadText_; }

    bool emptyField() const {
        for (std::size_t k = 0; k < fieldLength_; ++k)
            if (field_[k] != ' ')
                return false;
        return !fieldOverflow_;
    }

    void takeHeader() {
        inHeader_ = false;
        std::string missing;
        for (int k : {TimeS, Rpm, ThrottlePct})
            if (!seen_[static_cast<std::size_t>(k)])
                missing += (missing.empty() ? "" : ", ") + std::string(kNames[k]);
        if (!missing.empty()) {
            r_.error = LogError::MissingColumns;
            r_.missing = missing;
        }
    }

    void takeRow() {
        if (damaged_ || fieldCount_ < columnOf_.size()) {
            ++r_.skipped;
            return;
        }
        const auto v = [this](int c) { return values_[static_cast<std::size_t>(c)]; };
        LogRow row;
        row.timeMs = static_cast<std::int32_t>(v(TimeS));
        if (!r_.rows.empty() && row.timeMs < r_.rows.back().timeMs)
            ++r_.outOfOrder;
        MonitorPacket& p = row.packet;
        p.rpm = static_cast<std::uint16_t>(v(Rpm));
        p.tpsPercent = static_cast<std::uint8_t>(v(ThrottlePct));
        const auto mv = [&v](PacketValue c) {
            return rawForMillivolts(static_cast<int>(v(valueColumn(c))));
        };
        p.tpsRaw = mv(PacketValue::ThrottleMv);
        p.lambdaRaw = mv(PacketValue::Lambda);
        p.advance = static_cast<std::uint8_t>(v(valueColumn(PacketValue::Advance)));
        p.servoDesiredRaw = mv(PacketValue::ServoDesired);
        p.servoMeasuredRaw = mv(PacketValue::ServoMeasured);
        p.programmings = static_cast<std::uint16_t>(v(valueColumn(PacketValue::Programmings)));
        for (int t = 0; t < 8; ++t)
            p.test[static_cast<std::size_t>(t)] =
                static_cast<std::uint16_t>(v(valueColumn(testValue(t))));
        const auto flag = [&v](PacketValue c) {
            return static_cast<std::uint8_t>(v(valueColumn(c)) != 0);
        };
        p.startLimiter = flag(PacketValue::StartLimiter);
        p.rpmRed = flag(PacketValue::RpmRed);
        p.rpmYellow = flag(PacketValue::RpmYellow);
        p.blocking1 = flag(PacketValue::Blocking1);
        p.blocking2 = flag(PacketValue::Blocking2);
        p.servoOk = flag(PacketValue::ServoOk);
        p.clutchMaster = flag(PacketValue::Clutch);
        p.tachoSelected = flag(PacketValue::Tacho);
        p.n2oActive = flag(PacketValue::N2o);
        row.values = PacketValues::none();
        for (int c = 0; c < static_cast<int>(PacketValue::Count); ++c)
            if (present_[static_cast<std::size_t>(FirstValue + c)])
                row.values.add(static_cast<PacketValue>(c));
        r_.rows.push_back(row);
    }

    void finish() {
        if (r_.error != LogError::None)
            return;
        if (inHeader_)
            r_.error = LogError::Empty;
        else if (r_.rows.empty())
            r_.error = LogError::NoRows;
        // Rows of equal time keep the order of the file.
        if (r_.outOfOrder > 0)
            std::stable_sort(r_.rows.begin(), r_.rows.end(),
                             [](const LogRow& a, const LogRow& b) { return a.timeMs < b.timeMs; });
    }

    LogReadResult& r_;
    char separator_ = ',';
    bool inHeader_ = true;
    std::vector<std::int8_t> columnOf_; // per header column: a Column, or -1 when unknown
    std::array<bool, ColumnCount> seen_{};
    std::array<std::int64_t, ColumnCount> values_{};
    std::array<bool, ColumnCount> present_{}; // the row's field held a value
    char field_[kFieldMax] = {};
    std::size_t fieldLength_ = 0; // gathered
    std::size_t fieldChars_ = 0;  // seen
    std::size_t fieldCount_ = 0;
    bool fieldOverflow_ = false;
    bool damaged_ = false;
    bool rowHadText_ = false; // any character: more than a blank line
};

} // namespace

std::uint16_t rawForMillivolts(int millivolts) {
    const std::int64_t raw = (static_cast<std::int64_t>(millivolts) * 8184 + 4999) / 5000;
    return static_cast<std::uint16_t>(raw > 0xFFFF ? 0xFFFF : raw < 0 ? 0 : raw);
}

const std::string& logHeader() {
    static const std::string header = [] {
        std::string h;
        for (std::size_t k = 0; k < kNames.size(); ++k)
            h += (k ? "," : "") + std::string(kNames[k]);
        return h + "\r\n";
    }();
    return header;
}

std::string logLine(std::int64_t timeMs, const MonitorPacket& p, const MapCursor& c) {
    std::string line;
    line.reserve(160);
    // Whole numbers only: no locale can change a digit or the dot.
    char time[32];
    const int n =
        std::snprintf(time, sizeof time, "%lld.%03d", static_cast<long long>(timeMs / 1000),
                      static_cast<int>(timeMs % 1000));
    line.append(time, static_cast<std::size_t>(n));
    const std::int64_t values[] = {p.rpm,
                                   p.tpsPercent,
                                   rawToMillivolts(p.tpsRaw),
                                   rawToMillivolts(p.lambdaRaw),
                                   p.advance,
                                   rawToMillivolts(p.servoDesiredRaw),
                                   rawToMillivolts(p.servoMeasuredRaw),
                                   p.programmings,
                                   p.test[0],
                                   p.test[1],
                                   p.test[2],
                                   p.test[3],
                                   p.test[4],
                                   p.test[5],
                                   p.test[6],
                                   p.test[7],
                                   p.startLimiter != 0,
                                   p.rpmRed != 0,
                                   p.rpmYellow != 0,
                                   p.blocking1 != 0,
                                   p.blocking2 != 0,
                                   p.servoOk != 0,
                                   p.clutchMaster != 0,
                                   p.tachoSelected != 0,
                                   p.n2oActive != 0,
                                   c.row,
                                   c.column,
                                   c.belowMap,
                                   c.servoColumn};
    for (const std::int64_t v : values) {
        line += ',';
        put(line, v);
    }
    line += "\r\n";
    return line;
}

LogReadResult readLog(const char* data, std::size_t size) {
    LogReadResult result;
    if (size == 0 || !data) {
        result.error = LogError::Empty;
        return result;
    }
    Reader(result).run(data, size);
    return result;
}

} // namespace vortan
