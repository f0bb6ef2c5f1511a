#include "params/MapClipboard.h"

#include <algorithm>

#include <cctype>

namespace vortan {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (const char ch : text) {
        if (ch == separator)
            parts.emplace_back();
        else
            parts.back() += ch;
    }
    return parts;
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::string word;
    for (const char ch : line) {
        if (ch == ' ' || ch == '\t') {
            if (!word.empty())
                out.push_back(word);
            word.clear();
        } else {
            word += ch;
        }
    }
    if (!word.empty())
        out.push_back(word);
    return out;
}

std::string trimmed(const std::string& s) {
    std::size_t a = 0;
    std::size_t b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1])))
        --b;
    return s.substr(a, b - a);
}

// A decimal number in C notation, the locale's own ignored; `decimalComma` also takes ','.
bool number(const std::string& s, bool decimalComma, double& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    double v = 0;
    int digits = 0;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i, ++digits)
        v = v * 10 + (s[i] - '0');
    if (i < s.size() && (s[i] == '.' || (decimalComma && s[i] == ','))) {
        double scale = 0.1;
        for (++i; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) {
            v += (s[i] - '0') * scale;
            scale /= 10;
            ++digits;
        }
    }
    value = negative ? -v : v;
    return digits > 0 && i == s.size();
}

// One number with a decimal comma ("12,5", as a Czech or German spreadsheet copies a cell):
// the comma is no separator.
bool decimalCommaNumber(const std::string& line) {
    const std::string t = trimmed(line);
    const std::size_t comma = t.find(',');
    auto digits = [](const std::string& s) {
        return !s.empty() && std::all_of(s.begin(), s.end(), [](char ch) {
            return std::isdigit(static_cast<unsigned char>(ch));
        });
    };
    return comma != std::string::npos && digits(t.substr(0, comma)) && digits(t.substr(comma + 1));
}

int fieldCount(const std::string& line, char separator) {
    if (separator != ' ')
        return int(std::count(line.begin(), line.end(), separator)) + 1;
    int n = 0;
    bool inWord = false;
    for (const char ch : line) {
        const bool blank = ch == ' ' || ch == '\t';
        n += !blank && !inWord;
        inWord = !blank;
    }
    return n;
}

// A refused word as the status bar quotes it: at most 20 characters (UTF-8), then "…".
std::string quoted(const std::string& word) {
    int characters = 0;
    for (std::size_t i = 0; i < word.size(); ++i)
        if ((static_cast<unsigned char>(word[i]) & 0xC0) != 0x80 && ++characters > 20)
            return word.substr(0, i) + "\u2026";
    return word;
}

} // namespace

std::string copyCells(const DeviceImage& image, const MapMask& cells, bool withAxes) {
    const MapBounds b = boundsOf(cells);
    std::string text;
    if (b.empty())
        return text;
    if (withAxes) {
        for (int c = b.left; c <= b.right; ++c)
            text += '\t' + std::to_string(image[Byte::RPM_ADV + c] * 100);
        text += '\n';
    }
    for (int r = b.top; r <= b.bottom; ++r) {
        if (withAxes)
            text += std::to_string(kThrottleAxis[std::size_t(r)]) + '\t';
        for (int c = b.left; c <= b.right; ++c) {
            if (c > b.left)
                text += '\t';
            if (cells.test(std::size_t(r * 10 + c)))
                text += std::to_string(image.map(r, c));
        }
        text += '\n';
    }
    return text;
}

ParsedBlock parseBlock(const std::string& text) {
    ParsedBlock out;
    std::vector<std::string> lines = split(text, '\n');
    for (std::string& l : lines)
        if (!l.empty() && l.back() == '\r')
            l.pop_back();
    while (!lines.empty() && trimmed(lines.back()).empty())
        lines.pop_back();
    // Blank lines before the block go at once: a clipboard may hold millions of them.
    const auto firstFilled = std::find_if(lines.begin(), lines.end(),
                                          [](const std::string& l) { return !trimmed(l).empty(); });
    lines.erase(lines.begin(), firstFilled);
    if (lines.empty()) {
        out.problem = PasteProblem::NoNumbers;
        return out;
    }
    char separator = text.find('\t') != std::string::npos  ? '\t'
                     : text.find(';') != std::string::npos ? ';'
                                                           : ' ';
    // Commas separate, unless every line is one number with a decimal comma.
    if (separator == ' ' && text.find(',') != std::string::npos &&
        !std::all_of(lines.begin(), lines.end(), [](const std::string& l) {
            return trimmed(l).empty() || decimalCommaNumber(l);
        }))
        separator = ',';
    for (const std::string& line : lines) {
        const std::vector<std::string> fields =
            separator == ' ' ? words(line) : split(line, separator);
        if (out.block.rows > 0 && int(fields.size()) != out.block.columns) {
            out.problem = PasteProblem::Ragged;
            return out;
        }
        out.block.columns = int(fields.size());
        ++out.block.rows;
        // Larger than the whole map: no place fits it, however long the text goes on.
        if (out.block.rows > 10 || out.block.columns > 10) {
            out.problem = PasteProblem::DoesNotFit;
            // Its real size for the message, counted without keeping anything.
            out.block.rows = int(lines.size());
            for (const std::string& l : lines)
                out.block.columns = std::max(out.block.columns, fieldCount(l, separator));
            out.block.values.clear();
            return out;
        }
        for (const std::string& field : fields) {
            const std::string f = trimmed(field);
            double v = 0;
            if (f.empty()) {
                out.problem = PasteProblem::EmptyField;
                return out;
            }
            if (!number(f, separator != ',', v)) {
                out.problem = PasteProblem::NotANumber;
                out.word = quoted(f);
                return out;
            }
            out.block.values.push_back(v);
        }
    }
    return out;
}

PasteResult pasteBlock(const DeviceImage& image, const MapBlock& block,
                       const MapSelection& selection) {
    PasteResult out{{image, 0}, PasteProblem::None, {}};
    if (block.rows <= 0 || block.columns <= 0) {
        out.problem = PasteProblem::NoNumbers;
        return out;
    }
    std::vector<int> rows; // the visible rows, top first
    for (int r = 0; r < 10; ++r)
        if (isVisibleRow(r, selection.throttleMap()))
            rows.push_back(r);
    auto put = [&](int row, int column, double v) {
        out.result.image.map(row, column) = keptAdvance(v, out.result.clipped);
        out.filled.set(std::size_t(row * 10 + column));
    };

    const MapBounds b = boundsOf(selection.cells());
    MapMask rect;
    for (int r = b.top; r <= b.bottom; ++r)
        for (int c = b.left; c <= b.right; ++c)
            rect.set(std::size_t(r * 10 + c));
    const bool rectangular = !b.empty() && rect == selection.cells();
    if (rectangular && b.rows() % block.rows == 0 && b.columns() % block.columns == 0) {
        for (int r = b.top; r <= b.bottom; ++r)
            for (int c = b.left; c <= b.right; ++c)
                put(r, c,
                    block.values[std::size_t((r - b.top) % block.rows * block.columns +
                                             (c - b.left) % block.columns)]);
        return out;
    }
    // A rectangle (a single cell too) takes the block at its top-left: after a drag the focus
    // is the far corner.
    const MapCell at = rectangular ? MapCell{b.top, b.left} : selection.current();
    int first = 0;
    while (first < int(rows.size()) && rows[std::size_t(first)] != at.row)
        ++first;
    const int column = at.column;
    if (first + block.rows > int(rows.size()) || column + block.columns > 10) {
        out.problem = PasteProblem::DoesNotFit;
        out.result.image = image;
        return out;
    }
    for (int i = 0; i < block.rows; ++i)
        for (int j = 0; j < block.columns; ++j)
            put(rows[std::size_t(first + i)], column + j,
                block.values[std::size_t(i * block.columns + j)]);
    return out;
}

} // namespace vortan
