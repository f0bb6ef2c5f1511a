#include "params/OperationTexts.h"
#include "params/Triple.h"

namespace vortan {

namespace {

Triple operationTriple(OperationText t) {
    switch (t) {
    case OperationText::LockedReading:
        return {"Probíhá čtení z jednotky: parametry nelze měnit, dokud neskončí",
                "Reading the unit: the parameters cannot be changed until it ends",
                "Die Zündbox wird gelesen: die Parameter sind bis zum Ende nicht änderbar"};
    case OperationText::LockedVerifying:
        return {"Probíhá verifikace: parametry nelze měnit, dokud neskončí",
                "Verifying the unit: the parameters cannot be changed until it ends",
                "Die Zündbox wird verglichen: die Parameter sind bis zum Ende nicht änderbar"};
    case OperationText::LockedProgramming:
        return {"Probíhá programování jednotky: parametry nelze měnit, dokud neskončí",
                "Programming the unit: the parameters cannot be changed until it ends",
                "Die Zündbox wird programmiert: die Parameter sind bis zum Ende nicht änderbar"};
    case OperationText::EditedFrom:
        return {"upraveno z %1", "edited from %1", "geändert gegenüber %1"};
    case OperationText::RestorePointLabel:
        return {"Bod obnovení %1", "Restore point %1", "Wiederherstellungspunkt %1"};
    }
    return {"", "", ""};
}

} // namespace

std::string operationText(OperationText t, int language) {
    return pick(operationTriple(t), language);
}

} // namespace vortan
