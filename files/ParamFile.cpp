#include "files/ParamFile.h"

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

enum class Kind {
    Plain,  // low 8 bits of the number
    Scaled, // low 16 bits / scale, low 8 bits of the quotient
    Flag,   // written "    0"/"    1", read as Plain
    Tps100, // written (byte + 250) * 10, read (low 16 bits / 10 - 250) mod 256
    ExtMon, // not in the image: the extended-monitor check box
};

struct Field {
    Kind kind;
    int byte;
    int scale;
};

struct Key {
    const char* name;
    std::vector<Field> fields;
};

std::vector<Field> series(int first, int count, Kind kind, int scale) {
    std::vector<Field> f;
    for (int i = 0; i < count; ++i)
        f.push_back({kind, first + i, scale});
    return f;
}

// Every key the reader knows, with its values in file order.
const std::vector<Key>& keys() {
    static const std::vector<Key> table = {
        {"BIKE", {{Kind::Plain, Byte::BIKE, 1}}},
        {"BASE_ADV", {{Kind::Plain, Byte::BASE_ADV, 1}}},
        {"LIMITER1", {{Kind::Plain, Byte::LIMITER1, 1}}},
        {"LIMITER2", {{Kind::Plain, Byte::LIMITER2, 1}}},
        {"CLUTCH", {{Kind::Scaled, Byte::CLUTCH, 10}}},
        {"LED_RAZENI", {{Kind::Scaled, Byte::LED_RAZENI, 100}}},
        {"TPS", {{Kind::Scaled, Byte::TPS0, 10}, {Kind::Tps100, Byte::TPS100, 10}}},
        {"N2O",
         {{Kind::Flag, Byte::N2O_ENABLE, 1},
          {Kind::Plain, Byte::GAS1, 1},
          {Kind::Plain, Byte::GAS2, 1},
          {Kind::Scaled, Byte::GAS_DELAY, 100},
          {Kind::Scaled, Byte::GAS_BUILDUP, 100}}},
        {"RETARD",
         {{Kind::Plain, Byte::RETARD1, 1},
          {Kind::Plain, Byte::RETARD2, 1},
          {Kind::Scaled, Byte::RETARD_DELAY, 100},
          {Kind::Scaled, Byte::RETARD_BUILDUP, 100}}},
        {"RPM2", {{Kind::Flag, Byte::RPM2, 1}}},
        {"EXT_MON", {{Kind::ExtMon, -1, 1}}},
        {"EXCITATION", {{Kind::Flag, Byte::EXCITATION, 1}}},
        {"TPS_MAPA", {{Kind::Flag, Byte::TPS_MAPA, 1}}},
        {"ACT_LIM1", {{Kind::Flag, Byte::ACT_LIM1, 1}}},
        {"ACT_CLUTCH", {{Kind::Flag, Byte::ACT_CLUTCH, 1}}},
        {"ACT_BLOK1", {{Kind::Flag, Byte::ACT_BLOK1, 1}}},
        {"ACT_BLOK2", {{Kind::Flag, Byte::ACT_BLOK2, 1}}},
        {"ACT_RPM", {{Kind::Flag, Byte::ACT_RPM, 1}}},
        {"ACT_N2O", {{Kind::Flag, Byte::ACT_N2O, 1}}},
        {"RPM_ADV", series(Byte::RPM_ADV, kAxisPoints, Kind::Scaled, 100)},
        {"ADVANCE", series(Byte::ADVANCE, kMapRows * kMapColumns, Kind::Plain, 1)},
        {"PRIV_ENABLE", {{Kind::Flag, Byte::PRIV_ENABLE, 1}}},
        {"PRIV_HYSTER", {{Kind::Scaled, Byte::PRIV_HYSTER, 5}}},
        {"RPM_PRIV", series(Byte::RPM_PRIV, kAxisPoints, Kind::Scaled, 100)},
        {"NAP_PRIV", series(Byte::NAP_PRIV, kAxisPoints, Kind::Scaled, 20)},
    };
    return table;
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

// Delay and build-up times are scaled in 16-bit arithmetic.
unsigned times100(std::uint8_t b) {
    return static_cast<std::uint16_t>(b * 100u);
}

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

std::uint8_t low8(std::uint32_t v) {
    return static_cast<std::uint8_t>(v & 0xFFu);
}

void store(const Field& f, std::uint32_t n, DeviceImage& image, ParamFileResult& result) {
    switch (f.kind) {
    case Kind::Plain:
    case Kind::Flag:
        image[f.byte] = low8(n);
        break;
    case Kind::Scaled:
        image[f.byte] = low8((n & 0xFFFFu) / static_cast<std::uint32_t>(f.scale));
        break;
    case Kind::Tps100:
        image[f.byte] = low8((n & 0xFFFFu) / static_cast<std::uint32_t>(f.scale) - 250u);
        break;
    case Kind::ExtMon:
        result.extMonitor = (n & 0xFFFFu) != 0;
        break;
    }
}

const Key* findKey(std::string_view word) {
    for (const Key& k : keys())
        if (word == k.name)
            return &k;
    return nullptr;
}

} // namespace

std::string writeParamFile(const DeviceImage& im, bool extMonitor, const std::string& eol) {
    Writer w(eol);
    char header[32];
    std::snprintf(header, sizeof header, "KALVORIN_KEY  %3u ", unsigned(kParamFileVersion));
    w.text(header);
    w.eol();
    w.eol();
    w.text("BIKE        ");
    w.value(im[Byte::BIKE]);
    w.eol();
    w.text("BASE_ADV    ");
    w.value(im[Byte::BASE_ADV]);
    w.eol();
    w.text("LIMITER1    ");
    w.value(im[Byte::LIMITER1]);
    w.eol();
    w.text("LIMITER2    ");
    w.value(im[Byte::LIMITER2]);
    w.eol();
    w.text("CLUTCH      ");
    w.value(im[Byte::CLUTCH] * 10u);
    w.eol();
    w.text("LED_RAZENI  ");
    w.value(im[Byte::LED_RAZENI] * 100u);
    w.eol();
    w.eol();
    w.text("TPS         ");
    w.value(im[Byte::TPS0] * 10u);
    w.value((im[Byte::TPS100] + 250u) * 10u);
    w.eol();
    w.text("N2O         ");
    w.flag(im[Byte::N2O_ENABLE]);
    w.value(im[Byte::GAS1]);
    w.value(im[Byte::GAS2]);
    w.value(times100(im[Byte::GAS_DELAY]));
    w.value(times100(im[Byte::GAS_BUILDUP]));
    w.eol();
    w.text("RETARD           ");
    w.value(im[Byte::RETARD1]);
    w.value(im[Byte::RETARD2]);
    w.value(times100(im[Byte::RETARD_DELAY]));
    w.value(times100(im[Byte::RETARD_BUILDUP]));
    w.eol();

    const auto flagLine = [&w](const char* field, std::uint8_t b) {
        w.text(field);
        w.flag(b);
        w.eol();
    };
    flagLine("RPM2        ", im[Byte::RPM2]);
    flagLine("EXT_MON     ", extMonitor ? 1 : 0);
    flagLine("EXCITATION  ", im[Byte::EXCITATION]);
    flagLine("TPS_MAPA    ", im[Byte::TPS_MAPA]);
    flagLine("ACT_LIM1    ", im[Byte::ACT_LIM1]);
    flagLine("ACT_CLUTCH  ", im[Byte::ACT_CLUTCH]);
    flagLine("ACT_BLOK1   ", im[Byte::ACT_BLOK1]);
    flagLine("ACT_BLOK2   ", im[Byte::ACT_BLOK2]);
    flagLine("ACT_RPM     ", im[Byte::ACT_RPM]);
    flagLine("ACT_N2O     ", im[Byte::ACT_N2O]);
    w.eol();

    w.text("RPM_ADV     ");
    for (int i = 0; i < kAxisPoints; ++i)
        w.value(im[Byte::RPM_ADV + i] * 100u);
    w.eol();
    w.eol();

    // Every tenth cell ends its row; each new row, the one after the last too, starts
    // with twelve spaces.
    w.text("ADVANCE     ");
    for (int i = 0; i < kMapRows * kMapColumns; ++i) {
        w.value(im[Byte::ADVANCE + i]);
        if (i % kMapColumns == kMapColumns - 1) {
            w.eol();
            w.text("            ");
        }
    }
    w.eol();
    w.eol();

    flagLine("PRIV_ENABLE", im[Byte::PRIV_ENABLE]);
    w.text("PRIV_HYSTER ");
    w.value(im[Byte::PRIV_HYSTER] * 5u);
    w.eol();
    w.text("RPM_PRIV    ");
    for (int i = 0; i < kAxisPoints; ++i)
        w.value(im[Byte::RPM_PRIV + i] * 100u);
    w.eol();
    w.text("NAP_PRIV    ");
    for (int i = 0; i < kAxisPoints; ++i)
        w.value(im[Byte::NAP_PRIV + i] * 20u);
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

    for (;;) {
        const std::string_view w = in.word();
        if (w.empty())
            return result;
        const Key* key = findKey(w);
        if (!key)
            continue; // unknown word, skipped alone
        for (const Field& f : key->fields) {
            const auto n = in.number();
            if (!n)
                break; // the word is read as the next key
            store(f, *n, image, result);
        }
    }
}

} // namespace vortan
