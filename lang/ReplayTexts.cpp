#include "lang/ReplayTexts.h"
#include "params/Triple.h"

namespace vortan {

namespace {

// The words after the number, for each plural form.
struct Forms {
    Triple one;
    Triple few;
    Triple many;
};

Forms formsOf(RowCount t) {
    switch (t) {
    case RowCount::Rows:
        return {
            {"řádek", "row", "Zeile"}, {"řádky", "rows", "Zeilen"}, {"řádků", "rows", "Zeilen"}};
    case RowCount::DamagedSkipped:
        return {
            {"poškozený vynechán", "damaged row skipped", "beschädigte Zeile übersprungen"},
            {"poškozené vynechány", "damaged rows skipped", "beschädigte Zeilen übersprungen"},
            {"poškozených vynecháno", "damaged rows skipped", "beschädigte Zeilen übersprungen"}};
    }
    return {{"", "", ""}, {"", "", ""}, {"", "", ""}};
}

} // namespace

PluralForm pluralForm(long n, int language) {
    if (n == 1)
        return PluralForm::One;
    if (language == 0 && n >= 2 && n <= 4)
        return PluralForm::Few;
    return PluralForm::Many;
}

std::string rowCountText(RowCount t, long n, int language) {
    const Forms forms = formsOf(t);
    const PluralForm form = pluralForm(n, language);
    const Triple& words = form == PluralForm::One   ? forms.one
                          : form == PluralForm::Few ? forms.few
                                                    : forms.many;
    const std::string chosen = pick(words, language);
    return chosen.empty() ? chosen : std::to_string(n) + " " + chosen;
}

std::string notInTimeOrderText(int language) {
    return pick({"Řádky logu nejsou v časovém pořadí: přehrávají se seřazené podle času.",
                 "The log's rows are not in time order: they play sorted by time.",
                 "Die Zeilen des Logs sind nicht in zeitlicher Reihenfolge: sie werden nach der "
                 "Zeit sortiert abgespielt."},
                language);
}

} // namespace vortan
