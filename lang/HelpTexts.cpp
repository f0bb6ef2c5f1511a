#include "lang/HelpTexts.h"
#include "params/Triple.h"

namespace vortan {

namespace {

Triple helpTriple(HelpText t) {
    switch (t) {
    case HelpText::NoViewer:
        return {"Příručku nelze otevřít: v tomto počítači není nastaven žádný program, který by "
                "ji zobrazil.\n\nOtevřete ji ručně, například ve webovém prohlížeči:\n%1",
                "The manual cannot be opened: no program to show it is set up on this "
                "computer.\n\nOpen it by hand, for instance in a web browser:\n%1",
                "Das Handbuch kann nicht geöffnet werden: auf diesem Computer ist kein Programm "
                "eingerichtet, das es anzeigt.\n\nÖffnen Sie es von Hand, zum Beispiel in einem "
                "Webbrowser:\n%1"};
    case HelpText::NotFound:
        return {"Příručka %1 nebyla nalezena. Hledá se v těchto složkách:\n%2",
                "The manual %1 was not found. It is looked for in these folders:\n%2",
                "Das Handbuch %1 wurde nicht gefunden. Es wird in diesen Ordnern gesucht:\n%2"};
    }
    return {"", "", ""};
}

} // namespace

std::string helpText(HelpText t, int language) {
    return pick(helpTriple(t), language);
}

} // namespace vortan
