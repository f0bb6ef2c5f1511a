#include "files/ParamFile.h"

#include "params/ParamTable.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

// Decisions taken for the reader:
// - ACT_RPM is read from and written to image byte 14 of page 1 (Byte::ACT_RPM), not the
//   tacho/lambda check box's byte, so files written by other installations round-trip.
// - A number is a word made only of the digits 0-9 (no sign). It is parsed with
//   wrap-around modulo 2^32, so a digit string of any length is defined and its low 16
//   bits are the true value modulo 65536.
// - When a key is followed by a word that is not a number, that value and the key's
//   remaining values are left unchanged and the word is then read as the next key. (Storing
//   some earlier number into the parameter would corrupt it.)
// - Every word is scanned at most twice, so reading is linear in the file size.

namespace vortan {
namespace {

// The lines of the file in their order, with the width of the key's column and the blank
// lines after; the values of a key are those of the parameter table's rows that name it, in
// table order. Rows with a key not listed here follow on lines of their own.
struct Line {
    const char* key;
    int width = 12;     // the key's column, spaces after the key
    int blankAfter = 0; // empty lines after the line
    int wrap = 0;       // values per line, continued indented by the key's column; 0: one line
};

const std::vector<Line>& lines() {
    static const std::vector<Line> all = {
        {"BIKE"},
        {"BASE_ADV"},
        {"LIMITER1"},
        {"LIMITER2"},
        {"CLUTCH"},
        {"LED_RAZENI", 12, 1},
        {"TPS"},
        {"N2O"},
        {"RETARD", 17},
        {"RPM2"},
        {"EXT_MON"},
        {"EXCITATION"},
        {"TPS_MAPA"},
        {"ACT_LIM1"},
        {"ACT_CLUTCH"},
        {"ACT_BLOK1"},
        {"ACT_BLOK2"},
        {"ACT_RPM"},
        {"ACT_N2O", 12, 1},
        {"RPM_ADV", 12, 1},
        {"ADVANCE", 12, 1, kMapColumns},
        {"PRIV_ENABLE", 11},
        {"PRIV_HYSTER"},
        {"RPM_PRIV"},
        {"NAP_PRIV"},
    };
    return all;
}

// The extended-monitor check box is kept in the file, not in the image.
constexpr const char* kExtMonKey = "EXT_MON";

// One value of a key: a byte of a row, or the extended-monitor setting (row null).
struct Field {
    const ParamRow* row;
    int byte;
};

struct Key {
    std::string name;
    std::vector<Field> fields;
};

// Every key, in file order, with its values.
const std::vector<Key>& keys() {
    static const std::vector<Key> table = [] {
        std::vector<Key> out;
        auto keyOf = [&out](const std::string& name) -> Key& {
            for (Key& k : out)
                if (k.name == name)
                    return k;
            out.push_back({name, {}});
            return out.back();
        };
        for (const Line& l : lines())
            keyOf(l.key);
        keyOf(kExtMonKey).fields.push_back({nullptr, -1});
        for (const ParamRow& r : paramRows())
            if (r.fileKey)
                for (int i = 0; i < r.count; ++i)
                    keyOf(r.fileKey).fields.push_back({&r, r.byte + i});
        return out;
    }();
    return table;
}

const Key* findKey(std::string_view word) {
    for (const Key& k : keys())
        if (word == k.name)
            return &k;
    return nullptr;
}

// ---- writer

class Writer {
public:
    explicit Writer(const std::string& eol) : eol_(eol) {}

    void text(const char* s) { out_ += s; }
    void eol() { out_ += eol_; }
    void value(unsigned v) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%5u ", v);
        out_ += buf;
    }
    void flag(std::uint8_t b) { out_ += b ? "    1" : "    0"; }
    std::string take() { return std::move(out_); }

private:
    const std::string& eol_;
    std::string out_;
};

// ---- reader

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    // The next word, empty at the end of the text.
    std::string_view word() {
        skipSpace();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !isSpace(text_[pos_]))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // The next word as an unsigned number (modulo 2^32); a word that is not a number is
    // left for the next call of word().
    std::optional<std::uint32_t> number() {
        skipSpace();
        std::size_t end = pos_;
        std::uint32_t value = 0;
        while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') {
            value = value * 10u + static_cast<std::uint32_t>(text_[end] - '0');
            ++end;
        }
        if (end == pos_ || (end < text_.size() && !isSpace(text_[end])))
            return std::nullopt;
        pos_ = end;
        return value;
    }

private:
    void skipSpace() {
        while (pos_ < text_.size() && isSpace(text_[pos_]))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// A problem is told once per key and kind, however often a damaged file repeats it.
void tell(ParamFileResult& result, FileProblem problem) {
    for (const FileProblem& p : result.problems)
        if (p.kind == problem.kind && p.key == problem.key)
            return;
    result.problems.push_back(std::move(problem));
}

std::uint8_t low8(std::uint32_t v) {
    return static_cast<std::uint8_t>(v & 0xFFu);
}

// A file value into its byte: flags and raw bytes their low 8 bits, shown values the low 16
// bits divided by the scale, less the offset, modulo 256. A number whose byte would not give
// it back (but for the rounding down of the scale) is told.
void store(const Key& key, const Field& f, std::uint32_t n, DeviceImage& image,
           ParamFileResult& result) {
    if (!f.row) {
        result.extMonitor = (n & 0xFFFFu) != 0;
        return;
    }
    const ParamRow& r = *f.row;
    bool fits = n <= 0xFFu;
    if (r.kind == ParamKind::Flag || r.fileRaw) {
        image[f.byte] = low8(n);
    } else {
        const std::uint32_t quotient = (n & 0xFFFFu) / static_cast<std::uint32_t>(r.scale);
        const auto offset = static_cast<std::uint32_t>(r.offset);
        image[f.byte] = low8(quotient - offset);
        fits = n <= 0xFFFFu && quotient >= offset && quotient - offset <= 0xFFu;
    }
    if (!fits) {
        const bool scaled = r.kind != ParamKind::Flag && !r.fileRaw;
        const unsigned readAs =
            scaled ? unsigned((image[f.byte] + r.offset) * r.scale) : unsigned(image[f.byte]);
        tell(result, {FileProblemKind::DoesNotFit, key.name, n, readAs});
    }
}

} // namespace

std::string writeParamFile(const DeviceImage& im, bool extMonitor, const std::string& eol) {
    Writer w(eol);
    char header[32];
    std::snprintf(header, sizeof header, "KALVORIN_KEY  %3u ", unsigned(kParamFileVersion));
    w.text(header);
    w.eol();
    w.eol();
    std::vector<Line> all = lines();
    for (const Key& k : keys())
        if (std::none_of(all.begin(), all.end(), [&k](const Line& l) { return k.name == l.key; }))
            all.push_back({k.name.c_str()});
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Line& line = all[i];
        const std::string indent(static_cast<std::size_t>(line.width), ' ');
        std::string name = line.key;
        name.resize(std::max(name.size(), indent.size()), ' ');
        w.text(name.c_str());
        int written = 0;
        for (const Field& f : findKey(line.key)->fields) {
            if (!f.row)
                w.flag(extMonitor ? 1 : 0);
            else if (f.row->kind == ParamKind::Flag)
                w.flag(im[f.byte]);
            else if (f.row->fileRaw)
                w.value(im[f.byte]);
            else
                w.value(static_cast<unsigned>((im[f.byte] + f.row->offset) * f.row->scale));
            // A wrapped key ends every full line, the last one too, and indents the next.
            if (line.wrap && ++written % line.wrap == 0) {
                w.eol();
                w.text(indent.c_str());
            }
        }
        if (i + 1 < all.size())
            w.eol();
        for (int b = 0; b < line.blankAfter; ++b)
            w.eol();
    }
    return w.take();
}

ParamFileResult readParamFile(const std::string& text, DeviceImage& image) {
    ParamFileResult result;
    Scanner in(text);

    for (;;) {
        const std::string_view w = in.word();
        if (w.empty())
            return result; // no header: nothing changed
        if (w != "KALVORIN_KEY")
            continue;
        const auto version = in.number();
        if (version && (*version & 0xFFFFu) == unsigned(kParamFileVersion))
            break;
    }
    result.headerFound = true;

    std::vector<const Key*> seen;
    for (;;) {
        const std::string_view w = in.word();
        if (w.empty())
            break;
        const Key* key = findKey(w);
        if (!key)
            continue; // unknown word, skipped alone
        seen.push_back(key);
        for (const Field& f : key->fields) {
            const auto n = in.number();
            if (!n) { // the word is read as the next key
                tell(result, {FileProblemKind::CutShort, key->name});
                break;
            }
            store(*key, f, *n, image, result);
        }
    }
    // The display option EXT_MON carries no value of the set.
    for (const Key& k : keys())
        if (k.name != kExtMonKey && std::find(seen.begin(), seen.end(), &k) == seen.end())
            result.problems.push_back({FileProblemKind::Missing, k.name});
    return result;
}

} // namespace vortan
