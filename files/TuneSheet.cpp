#include "files/TuneSheet.h"

#include "files/SheetTexts.h"
#include "params/ColourScale.h"
#include "params/ParamTable.h"
#include "params/RangeCheck.h"
#include "params/RangeTexts.h"

#include <QLocale>
#include <QString>
#include <cstring>
#include <vector>

namespace vortan {
namespace {

// A part of a section: the single values of the parameter table that stand on `page` in
// `group` (none: outside the group boxes), under a heading when it has one.
struct Part {
    const char* page;    // text id of the tab page
    const char* group;   // text id of the group box; null: outside them
    const char* heading; // text id of the caption above the part; null: none
};

struct Section {
    const char* title; // text id of the tab page or group box that names it
    std::vector<Part> parts;
};

// The four pages as the window lays them out; the switch inputs have a section of their own.
const std::vector<Section>& sections() {
    static const std::vector<Section> all = {
        {"TabSheet1",
         {{"TabSheet1", nullptr, nullptr},
          {"TabSheet1", "GroupBox1", "GroupBox1"},
          {"TabSheet1", "GroupBoxTps", "GroupBoxTps"},
          {"TabSheet2", nullptr, "TabSheet2"}}},
        {"GroupBox4", {{"TabSheet1", "GroupBox4", nullptr}}},
        {"TabSheet3",
         {{"TabSheet3", nullptr, nullptr},
          {"TabSheet3", "GroupBoxGas", "GroupBoxGas"},
          {"TabSheet3", "GroupBoxRetard", "GroupBoxRetard"}}},
        {"TabSheet4",
         {{"TabSheet4", nullptr, nullptr}, {"TabSheet4", "GroupBoxPrivera", "GroupBoxPrivera"}}},
    };
    return all;
}

bool sameText(const char* a, const char* b) {
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

// The single values of a part, in the order of the parameter table.
std::vector<const ParamRow*> rowsOf(const Part& part) {
    std::vector<const ParamRow*> out;
    for (const ParamRow& r : paramRows())
        if (!r.isTable() && sameText(r.page, part.page) && sameText(r.group, part.group))
            out.push_back(&r);
    return out;
}

QString esc(const std::string& s) {
    return QString::fromStdString(s).toHtmlEscaped();
}

QString hex(Rgb c) {
    return QStringLiteral("#%1%2%3")
        .arg(c.red, 2, 16, QLatin1Char('0'))
        .arg(c.green, 2, 16, QLatin1Char('0'))
        .arg(c.blue, 2, 16, QLatin1Char('0'));
}

// The compared parameter of a byte; the one byte the comparison leaves out (RPM2) is a flag.
ComparedParam paramAt(const ParamRow& row) {
    for (const ComparedParam& p : comparedParams())
        if (p.byte == row.byte)
            return p;
    ComparedParam flag{ComparedParam::Flag, row.byte};
    flag.text = row.text;
    flag.row = &row;
    return flag;
}

// A value outside its field's range, as the window shows it in red: red, and marked so that a
// sheet printed in black and white still tells it.
QString marked(const DeviceImage& image, int byte, const QString& value, int language) {
    if (!isOutOfRange(image, byte))
        return value;
    return "<font color='#ff0000'>" + value + esc(rangeText(RangeText::SheetMark, language)) +
           "</font>";
}

bool anyOutOfRange(const DeviceImage& image) {
    for (int b = kPageSize; b < kImageSize; ++b)
        if (isOutOfRange(image, b))
            return true;
    return false;
}

QString sectionHtml(const Section& s, const DeviceImage& image, int language,
                    const CaptionLookup& caption, const std::string& bikeName) {
    const QString title =
        s.title == std::string("GroupBox4")
            ? esc(sheetText(SheetText::InputsTitle, language)) + " — " + esc(caption(s.title))
            : esc(caption(s.title));
    QString html = "<h3>" + title + "</h3><table class='values' cellspacing='0' cellpadding='2'>";
    for (const Part& part : s.parts) {
        if (part.heading)
            html +=
                "<tr><td colspan='2' class='group'>" + esc(caption(part.heading)) + "</td></tr>";
        for (const ParamRow* r : rowsOf(part)) {
            const ComparedParam p = paramAt(*r);
            const std::string name =
                r->text ? caption(r->text) : paramName(p, image, language, caption);
            const std::string value =
                p.kind == ComparedParam::Bike ? bikeName : paramValue(p, image, language);
            html += "<tr><td class='name'>" + esc(name) + "</td><td class='value'>" +
                    marked(image, r->byte, esc(value), language) + "</td></tr>";
        }
    }
    return html + "</table>";
}

QString mapHtml(const DeviceImage& image, int language) {
    QString html = "<h3>" + esc(sheetText(SheetText::MapTitle, language)) +
                   "</h3><table class='grid' width='100%' cellspacing='0' cellpadding='3'><tr>"
                   "<th>TPS \\ rpm</th>";
    for (int c = 0; c < kMapColumns; ++c)
        html += "<th>" +
                marked(image, Byte::RPM_ADV + c, QLocale().toString(image[Byte::RPM_ADV + c] * 100),
                       language) +
                "</th>";
    html += "</tr>";
    for (int r = 0; r < kMapRows; ++r) {
        html +=
            "<tr><th>" + QString::number(kThrottleAxis[static_cast<std::size_t>(r)]) + " %</th>";
        for (int c = 0; c < kMapColumns; ++c) {
            const int value = image.map(r, c);
            const Rgb back = scaleColour(value, 0, 60);
            html += "<td align='center' bgcolor='" + hex(back) + "'><font color='" +
                    hex(textColourOn(back)) + "'>" +
                    marked(image, Byte::ADVANCE + r * kMapColumns + c, QString::number(value),
                           language) +
                    "</font></td>";
        }
        html += "</tr>";
    }
    return html + "</table>";
}

QString servoHtml(const DeviceImage& image, int language, const CaptionLookup& caption) {
    QString html = "<h3>" + esc(sheetText(SheetText::ServoTitle, language)) +
                   "</h3><table class='grid' width='100%' cellspacing='0' cellpadding='3'>";
    for (const ParamRow& row : paramRows()) {
        if (!row.isTable() || !sameText(row.page, "TabSheet4"))
            continue;
        html += "<tr><th>" + esc(caption(row.text)) + "</th>";
        for (int i = 0; i < row.count; ++i)
            html += "<td align='right'>" +
                    marked(image, row.byte + i,
                           QLocale().toString((image[row.byte + i] + row.offset) * row.scale),
                           language) +
                    "</td>";
        html += "</tr>";
    }
    return html + "</table>";
}

} // namespace

Paper sheetPaper(QLocale::MeasurementSystem system) {
    return system == QLocale::ImperialUSSystem ? Paper::Letter : Paper::A4;
}

std::string tuneSheetHtml(const DeviceImage& image, const SheetHeading& heading, int language,
                          const CaptionLookup& caption) {
    auto text = [language](SheetText t) { return esc(sheetText(t, language)); };
    QString html = "<html><head><style>"
                   "h2 { margin: 0 } h3 { margin-top: 8px; margin-bottom: 2px }"
                   "table.values td.name { padding-right: 12px } td.value { font-weight: bold }"
                   "td.group { font-style: italic; padding-top: 4px }"
                   "table.grid { border-collapse: collapse } table.grid th, table.grid td"
                   " { border: 1px solid #808080 }"
                   "</style></head><body>";
    html += "<h2>" + text(SheetText::Title) + "</h2><table cellpadding='2'>";
    auto field = [&](SheetText name, const QString& value) {
        html += "<tr><td>" + text(name) + ":</td><td><b>" + value + "</b></td></tr>";
    };
    field(SheetText::File, heading.file.empty() ? text(SheetText::NoFile) : esc(heading.file));
    field(SheetText::Date, esc(heading.dateTime));
    if (!heading.unit.empty())
        field(SheetText::Unit, esc(heading.unit));
    field(SheetText::Notes,
          heading.notes.empty() ? QString(60, QLatin1Char('_')) : esc(heading.notes));
    html += "</table>";

    // Two columns: the first page and the inputs beside the N2O and servo pages.
    const std::vector<Section>& s = sections();
    html += "<table width='100%'><tr><td valign='top' width='50%'>";
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i == 2)
            html += "</td><td valign='top' width='50%'>";
        html += sectionHtml(s[i], image, language, caption, heading.bikeName);
    }
    html += "</td></tr></table>";
    html += mapHtml(image, language) + servoHtml(image, language, caption);
    if (anyOutOfRange(image))
        html += "<p>" + esc(rangeText(RangeText::SheetLegend, language)) + "</p>";
    return (html + "</body></html>").toStdString();
}

} // namespace vortan
