#pragma once
// Where the form shows each parameter: the spin box or check box of an image byte, and the
// control whose caption a text id names. The form records them as it places the controls;
// the views, the language switch and the caption lookup find the controls by them.

#include <QString>

namespace vortan::ParamControls {

// The control named `objectName` shows image byte `byte`.
void placeField(int byte, const QString& objectName);
// The control named `objectName` carries the caption of text id `textId`.
void placeCaption(const char* textId, const QString& objectName);

// The objectName of the control of `byte`; empty when the form has none.
QString fieldName(int byte);
// The objectName of the control captioned by `textId`: the one placed under it, else the
// control named as the text id (the tab pages and group boxes).
QString captionName(const char* textId);

} // namespace vortan::ParamControls
