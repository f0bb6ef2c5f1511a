#pragma once
// The tool row's icons (new, open, save, print) and the menu bar's "more" chevron, drawn rather
// than loaded: sharp at every scale, and no image file is read at start-up (reading one loads
// every image-format plugin).

#include <QIcon>

namespace vortan {

enum class ToolGlyph { New, Open, Save, Print, More };

QIcon toolIcon(ToolGlyph glyph);

} // namespace vortan
