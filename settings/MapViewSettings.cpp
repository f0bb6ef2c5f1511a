#include "settings/MapViewSettings.h"

namespace vortan {

namespace {
const QString kSection = QStringLiteral("MAP_VIEW");
const QString kColours = QStringLiteral("Colours");
const QString kCurves = QStringLiteral("Curves");
} // namespace

MapViewSettings readMapViewSettings(const IniFile& ini) {
    MapViewSettings s;
    s.colours = ini.readInteger(kSection, kColours, 0) != 0;
    s.curves = ini.readInteger(kSection, kCurves, 0) != 0;
    return s;
}

void writeMapViewSettings(IniFile& ini, const MapViewSettings& s) {
    ini.writeInteger(kSection, kColours, s.colours ? 1 : 0);
    ini.writeInteger(kSection, kCurves, s.curves ? 1 : 0);
}

} // namespace vortan
