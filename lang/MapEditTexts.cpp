#include "lang/MapEditTexts.h"
#include "params/Triple.h"

namespace vortan {

namespace {

Triple triple(MapEditText t) {
    switch (t) {
    case MapEditText::Clipped:
        return {"Buněk udržených v mezích 0..60°: %1", "Cells kept within 0..60°: %1",
                "Zellen in 0..60° gehalten: %1"};
    case MapEditText::PasteNoNumbers:
        return {"Nevloženo: schránka neobsahuje žádná čísla.",
                "Not pasted: the clipboard holds no numbers.",
                "Nicht eingefügt: die Zwischenablage enthält keine Zahlen."};
    case MapEditText::PasteNotANumber:
        return {"Nevloženo: „%1“ není číslo.", "Not pasted: \"%1\" is not a number.",
                "Nicht eingefügt: „%1“ ist keine Zahl."};
    case MapEditText::PasteEmptyField:
        return {"Nevloženo: vložená tabulka má prázdnou buňku.",
                "Not pasted: the table holds an empty cell.",
                "Nicht eingefügt: die Tabelle hat eine leere Zelle."};
    case MapEditText::PasteRagged:
        return {"Nevloženo: řádky tabulky mají různou délku.",
                "Not pasted: the rows of the table differ in length.",
                "Nicht eingefügt: die Zeilen der Tabelle sind verschieden lang."};
    case MapEditText::PasteDoesNotFit:
        return {"Nevloženo: %1 × %2 buněk se od místa vložení do mapy nevejde.",
                "Not pasted: %1 × %2 cells do not fit into the map from where they would go.",
                "Nicht eingefügt: %1 × %2 Zellen passen ab der Einfügestelle nicht in die "
                "Karte."};
    case MapEditText::SetTitle:
        return {"Nastavit předstih", "Set advance", "Zündwinkel setzen"};
    case MapEditText::SetLabel:
        return {"Předstih vybraných buněk [°]:", "Advance of the selected cells [°]:",
                "Zündwinkel der gewählten Zellen [°]:"};
    case MapEditText::ScaleTitle:
        return {"Změnit měřítko předstihu", "Scale advance", "Zündwinkel skalieren"};
    case MapEditText::ScaleLabel:
        return {"Procento dosavadního předstihu [%]:", "Percentage of the present advance [%]:",
                "Prozent des bisherigen Zündwinkels [%]:"};
    case MapEditText::InterpolateTitle:
        return {"Interpolovat", "Interpolate", "Interpolieren"};
    case MapEditText::InterpolateLabel:
        return {"Směr:", "Direction:", "Richtung:"};
    case MapEditText::Horizontal:
        return {"Vodorovně (podle otáček)", "Horizontally (over engine speed)",
                "Waagerecht (über der Drehzahl)"};
    case MapEditText::Vertical:
        return {"Svisle (podle plynu)", "Vertically (over throttle)",
                "Senkrecht (über der Drosselklappe)"};
    case MapEditText::Corners:
        return {"Plošně z rohů obdélníku", "Across the rectangle from its corners",
                "Über das Rechteck aus seinen Ecken"};
    case MapEditText::Raise:
        return {"Zvýšit o krok", "Raise by the step", "Um den Schritt erhöhen"};
    case MapEditText::Lower:
        return {"Snížit o krok", "Lower by the step", "Um den Schritt senken"};
    case MapEditText::Set:
        return {"Nastavit hodnotu...", "Set to a value...", "Auf einen Wert setzen..."};
    case MapEditText::Scale:
        return {"Změnit v procentech...", "Scale by a percentage...", "Prozentual skalieren..."};
    case MapEditText::Interpolate:
        return {"Interpolovat", "Interpolate", "Interpolieren"};
    case MapEditText::Smooth:
        return {"Vyhladit", "Smooth", "Glätten"};
    case MapEditText::Copy:
        return {"Kopírovat", "Copy", "Kopieren"};
    case MapEditText::CopyWithAxes:
        return {"Kopírovat s osami", "Copy with axes", "Mit Achsen kopieren"};
    case MapEditText::Paste:
        return {"Vložit", "Paste", "Einfügen"};
    case MapEditText::SelectAll:
        return {"Vybrat vše", "Select all", "Alles auswählen"};
    case MapEditText::CurvesTitle:
        return {"Křivky", "Curves", "Kurven"};
    case MapEditText::SpeedAxis:
        return {"Otáčky [rpm]", "Engine speed [rpm]", "Drehzahl [rpm]"};
    case MapEditText::AdvanceAxis:
        return {"Předstih [°]", "Advance [°]", "Zündwinkel [°]"};
    case MapEditText::ServoAxis:
        return {"Napětí serva [mV]", "Servo voltage [mV]", "Servospannung [mV]"};
    case MapEditText::CellInUse:
        return {"Aktuální buňka", "Cell in use", "Aktuelle Zelle"};
    case MapEditText::ServoPointInUse:
        return {"Aktuální bod serva", "Servo point in use", "Aktueller Servopunkt"};
    }
    return {"", "", ""};
}

UiText row(const char* name, TextProperty p, const char* en, const char* cz, const char* de) {
    return UiText{name, p, cz, en, de};
}

std::vector<UiText> buildTexts() {
    const TextProperty C = TextProperty::Caption;
    const TextProperty H = TextProperty::Hint;
    return {
        row("MapStep", C, "Step [°]", "Krok [°]", "Schritt [°]"),
        row("SpinBoxMapStep", H, "Step of + and -|Degrees by which + and - move the selected cells",
            "Krok + a -|O kolik stupňů + a - posunou vybrané buňky",
            "Schritt von + und -|Grad, um die + und - die gewählten Zellen verschieben"),
        row("MapLower", H, "Lower (-)|Lower the selected cells by the step",
            "Snížit (-)|Snížit vybrané buňky o krok",
            "Senken (-)|Die gewählten Zellen um den Schritt senken"),
        row("MapRaise", H, "Raise (+)|Raise the selected cells by the step",
            "Zvýšit (+)|Zvýšit vybrané buňky o krok",
            "Erhöhen (+)|Die gewählten Zellen um den Schritt erhöhen"),
        row("MapSet", C, "Set...", "Nastavit...", "Setzen..."),
        row("MapSet", H, "Set (=)|Set the selected cells to a value",
            "Nastavit (=)|Nastavit vybrané buňky na hodnotu",
            "Setzen (=)|Die gewählten Zellen auf einen Wert setzen"),
        row("MapScale", C, "Scale...", "Měřítko...", "Skalieren..."),
        row("MapScale", H, "Scale (*)|Multiply the selected cells by a percentage",
            "Měřítko (*)|Vynásobit vybrané buňky procentem",
            "Skalieren (*)|Die gewählten Zellen mit einem Prozentsatz multiplizieren"),
        row("MapInterpolate", C, "Interpolate", "Interpolovat", "Interpolieren"),
        row("MapInterpolate", H,
            "Interpolate (/)|Straight lines between the outer cells of the selection",
            "Interpolovat (/)|Přímky mezi krajními buňkami výběru",
            "Interpolieren (/)|Geraden zwischen den äußeren Zellen der Auswahl"),
        row("MapSmooth", C, "Smooth", "Vyhladit", "Glätten"),
        row("MapSmooth", H,
            "Smooth (S)|Each selected cell half way towards the mean of its selected neighbours",
            "Vyhladit (S)|Každou vybranou buňku napůl k průměru vybraných sousedů",
            "Glätten (S)|Jede gewählte Zelle halb zum Mittel ihrer gewählten Nachbarn"),
        row("MapColours", C, "Colours", "Barvy", "Farben"),
        row("MapColours", H, "Colours|Tint the cells by their advance",
            "Barvy|Podbarvit buňky podle předstihu", "Farben|Die Zellen nach Zündwinkel färben"),
        row("MapCurves", C, "Curves", "Křivky", "Kurven"),
        row("MapCurves", H, "Curves|Show the map as curves over engine speed",
            "Křivky|Zobrazit mapu jako křivky podle otáček",
            "Kurven|Die Karte als Kurven über der Drehzahl zeigen"),
        row("MapAll", H, "Select all (Ctrl+Shift+A)|Select every visible cell of the map",
            "Vybrat vše (Ctrl+Shift+A)|Vybrat všechny viditelné buňky mapy",
            "Alles auswählen (Strg+Umschalt+A)|Alle sichtbaren Zellen der Karte auswählen"),
    };
}

} // namespace

std::string mapEditText(MapEditText t, int language) {
    return pick(triple(t), language);
}

const std::vector<UiText>& mapEditUiTexts() {
    static const std::vector<UiText> texts = buildTexts();
    return texts;
}

} // namespace vortan
