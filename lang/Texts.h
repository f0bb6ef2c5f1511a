#pragma once
// The user-interface texts in Czech, English and German: the captions and hints that a
// language switch sets, and the messages picked by the language index when shown.
// Texts are UTF-8.

#include "link/PortTexts.h"
#include "params/Messages.h"
#include "settings/RestoreTexts.h"

#include <optional>
#include <string>
#include <vector>

namespace vortan {

// Texts of the difference report window.
enum class ReportText {
    Title,
    ColumnParameter,
    ColumnScreen,
    ColumnUnit,
    ColumnFile,
    AdvanceMap, // the group of the map cells: %1 cells that differ
    NoDifferences,
    TakeUnit,
    TakeFile,
    Program,
};

// The text of `t` in `language`; empty for other indexes.
std::string reportText(ReportText t, int language);
// Shown in the report for a value whose set is not known.
inline constexpr const char* kUnknownValue = "—";

// The status-bar field of the changes not yet in the unit and not yet saved. `notInUnit`: the
// parameters on screen that differ from the unit's as last seen, unknown before the unit
// answered; `notSaved`: those that differ from the file last saved or opened, unknown when
// none was. Empty for other language indexes.
std::string changeCountsText(std::optional<int> notInUnit, std::optional<int> notSaved,
                             int language);

// Texts that are the same in every language.
inline constexpr const char* kComOpeningError = "Com opening error";
inline constexpr const char* kOpenFileError = "Open file error";
inline constexpr const char* kNoConnection = "No Connection";
// The title of the program's message boxes.
inline constexpr const char* kBoxTitle = "Vortan 2";

enum class TextProperty { Caption, Hint };

// A text is keyed by its text id: the name of the menu item, tab page, group box or window it
// captions, or the id of a parameter's caption (the parameter table's) or of another control's;
// the window maps the ids to its controls.
struct UiText {
    std::string id;
    TextProperty property;
    std::string czech;
    std::string english;
    std::string german;
    const std::string& in(int language) const {
        return language == Czech ? czech : language == German ? german : english;
    }
};

// Every text a language operation sets, in the order it sets them (MenuCom1..10 expanded).
const std::vector<UiText>& uiTexts();
// The texts of the commands added to those (the comparisons), set after them.
const std::vector<UiText>& addedUiTexts();

// The caption of text id `textId` in `language`, without its '&': the last one a language
// switch sets, else the one the form gives in every language; empty when none.
std::string tableCaption(const char* textId, int language);

// Text of the About box for `language`, with the build date and time filled in.
std::string aboutText(int language, const std::string& buildDate, const std::string& buildTime);

// File name of the user manual for `language`.
std::string manualFileName(int language);
// File name of the HTML user manual for `language`, opened when no manualFileName is there.
std::string htmlManualFileName(int language);

} // namespace vortan
