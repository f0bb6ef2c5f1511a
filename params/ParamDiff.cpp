#include "params/ParamDiff.h"

#include "params/Messages.h"

#include <QLocale>
#include <QString>
#include <array>
#include <cstring>

namespace vortan {

namespace {

ComparedParam compared(const ParamRow& r, int point) {
    ComparedParam p{ComparedParam::Number, r.byte + point, r.scale, r.offset, r.unit, r.text};
    p.row = &r;
    switch (r.kind) {
    case ParamKind::Bike:
        p.kind = ComparedParam::Bike;
        break;
    case ParamKind::Flag:
        p.kind = ComparedParam::Flag;
        break;
    case ParamKind::Map:
        p.kind = ComparedParam::MapCell;
        break;
    case ParamKind::Number:
        p.point = r.isTable() ? point + 1 : 0;
        break;
    }
    return p;
}

bool sameText(const char* a, const char* b) {
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

std::vector<ComparedParam> build() {
    std::vector<ComparedParam> out;
    std::array<bool, kImageSize> taken{};
    auto add = [&](const ComparedParam& p) {
        taken[static_cast<std::size_t>(p.byte)] = true;
        if (isComparedByte(p.byte))
            out.push_back(p);
    };
    const std::vector<ParamRow>& rows = paramRows();
    for (ParamKind kind : {ParamKind::Bike, ParamKind::Number, ParamKind::Flag})
        for (const ParamRow& r : rows)
            if (r.kind == kind && !r.isTable())
                add(compared(r, 0));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].isTable())
            continue;
        // The tables that follow of the same length and group go point by point beside it.
        std::size_t end = i + 1;
        while (end < rows.size() && rows[end].isTable() && rows[end].count == rows[i].count &&
               sameText(rows[end].group, rows[i].group))
            ++end;
        for (int point = 0; point < rows[i].count; ++point)
            for (std::size_t t = i; t < end; ++t)
                add(compared(rows[t], point));
        i = end - 1;
    }
    // Bytes no control shows still go to the unit and are verified: name them too.
    for (int b = kPageSize; b < kImageSize; ++b)
        if (!taken[static_cast<std::size_t>(b)] && isComparedByte(b))
            out.push_back({ComparedParam::OtherByte, b});
    return out;
}

QString text(Message m, int language) {
    return QString::fromStdString(messageText(m, language));
}

QString grouped(int value) {
    return QLocale().toString(value);
}

// A byte that differs is a difference, as the verify sees it (a flag of 2 is not 1).
bool differs(const ComparedParam& p, const DeviceImage& a, const DeviceImage& b) {
    return a[p.byte] != b[p.byte];
}

} // namespace

bool isComparedByte(int position) {
    return position >= kPageSize && position < kImageSize && position != Byte::Reserved &&
           position != Byte::RPM2;
}

const std::vector<ComparedParam>& comparedParams() {
    static const std::vector<ComparedParam> params = build();
    return params;
}

std::string paramName(const ComparedParam& p, const DeviceImage& screen, int language,
                      const CaptionLookup& caption) {
    QString name;
    switch (p.kind) {
    case ComparedParam::Bike:
        name = text(p.row->nameMessage, language);
        break;
    case ComparedParam::MapCell: {
        const int cell = p.byte - Byte::ADVANCE;
        const int row = cell / kMapColumns;
        const int speed = screen[Byte::RPM_ADV + cell % kMapColumns] * 100;
        name = text(p.row->nameMessage, language)
                   .arg(QString::number(kThrottleAxis[static_cast<std::size_t>(row)]) + " %",
                        grouped(speed));
        break;
    }
    case ComparedParam::OtherByte:
        name = text(Message::DiffByte, language).arg(p.byte - kPageSize);
        break;
    case ComparedParam::Number:
    case ComparedParam::Flag:
        if (p.point > 0)
            name = text(p.row->nameMessage, language).arg(p.point);
        else if (!p.text)
            name = QString::fromUtf8(p.row->fileKey); // kept only in parameter files
        else {
            name = QString::fromStdString(caption(p.text));
            if (p.row->namedInGroup)
                name = QString::fromStdString(caption(p.row->group)) + " › " + name;
        }
        break;
    }
    return name.toStdString();
}

std::string paramValue(const ComparedParam& p, const DeviceImage& image, int language) {
    const std::uint8_t b = image[p.byte];
    switch (p.kind) {
    case ComparedParam::Flag:
        return messageText(b != 0 ? Message::DiffOn : Message::DiffOff, language);
    case ComparedParam::Bike:
    case ComparedParam::OtherByte:
        return std::to_string(b);
    case ComparedParam::Number:
    case ComparedParam::MapCell:
        break;
    }
    const QString value = grouped((b + p.offset) * p.scale);
    const QString unit = QString::fromUtf8(p.unit);
    // Degrees follow the number directly, every other unit after a space.
    return (unit == QStringLiteral("°") ? value + unit : value + ' ' + unit).toStdString();
}

std::vector<ParamDifference> compareImages(const DeviceImage& screen,
                                           const std::optional<DeviceImage>& unit,
                                           const std::optional<DeviceImage>& file) {
    std::vector<ParamDifference> out;
    for (const ComparedParam& p : comparedParams()) {
        const bool u = unit && differs(p, screen, *unit);
        const bool f = file && differs(p, screen, *file);
        if (u || f)
            out.push_back({&p, u, f});
    }
    return out;
}

int countDifferences(const DeviceImage& a, const DeviceImage& b) {
    int n = 0;
    for (const ComparedParam& p : comparedParams())
        n += differs(p, a, b);
    return n;
}

} // namespace vortan
