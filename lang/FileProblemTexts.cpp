#include "lang/FileProblemTexts.h"

#include "params/Triple.h"

#include <QString>

namespace vortan {

namespace {

Triple problemTriple(FileProblemKind kind) {
    switch (kind) {
    case FileProblemKind::Missing:
        return {"%1 chybí; ponecháno, jak bylo", "%1 is missing; kept as it was",
                "%1 fehlt; unverändert gelassen"};
    case FileProblemKind::CutShort:
        return {"%1 je useknutý (méně čísel, než potřebuje, nebo slovo, které není číslo); "
                "zbytek ponechán, jak byl",
                "%1 is cut short (fewer numbers than it needs, or a word that is no number); "
                "the rest kept as it was",
                "%1 ist abgeschnitten (weniger Zahlen als nötig oder ein Wort, das keine Zahl "
                "ist); der Rest unverändert gelassen"};
    case FileProblemKind::DoesNotFit:
        return {"%1 obsahuje %2, což se nevejde; načteno jako %3",
                "%1 holds %2, which does not fit; read as %3",
                "%1 enthält %2, das nicht passt; gelesen als %3"};
    }
    return {"", "", ""};
}

} // namespace

std::string fileProblemsHeading(int language) {
    return pick({"Soubor je neúplný nebo poškozený:", "The file is incomplete or damaged:",
                 "Die Datei ist unvollständig oder beschädigt:"},
                language);
}

std::string fileProblemText(const FileProblem& problem, int language) {
    QString text = QString::fromUtf8(pick(problemTriple(problem.kind), language))
                       .arg(QString::fromStdString(problem.key));
    if (problem.kind == FileProblemKind::DoesNotFit)
        text = text.arg(problem.value).arg(problem.readAs);
    return text.toStdString();
}

std::string fileProblemsLine(const std::vector<FileProblem>& problems, int language) {
    if (problems.empty())
        return {};
    // The first few: a status bar holds one line.
    constexpr std::size_t kShown = 6;
    std::string line = fileProblemsHeading(language);
    for (std::size_t i = 0; i < problems.size() && i < kShown; ++i)
        line += (i ? "; " : " ") + fileProblemText(problems[i], language);
    if (problems.size() > kShown)
        line += "; …";
    return line;
}

} // namespace vortan
