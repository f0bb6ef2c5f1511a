#pragma once
// The map page's own choices kept between runs, in a section of their own in Vortan2.ini.

#include "settings/IniFile.h"

namespace vortan {

struct MapViewSettings {
    bool colours = false; // cells tinted by their advance
    bool curves = false;  // the curves panel shown
};

MapViewSettings readMapViewSettings(const IniFile& ini);
// Writes the keys; the caller saves the file.
void writeMapViewSettings(IniFile& ini, const MapViewSettings& s);

} // namespace vortan
