#include "lang/LogTexts.h"
#include "params/Triple.h"

namespace vortan {

namespace {

Triple logTriple(LogText t) {
    switch (t) {
    case LogText::SaveTitle:
        return {"Záznam logu", "Record log", "Log aufzeichnen"};
    case LogText::OpenTitle:
        return {"Přehrát log", "Replay log", "Log abspielen"};
    case LogText::FileFilter:
        return {"Logy CSV (*.csv)", "CSV logs (*.csv)", "CSV-Logs (*.csv)"};
    case LogText::AllFilesFilter:
        return {"Všechny soubory (*)", "All files (*)", "Alle Dateien (*)"};
    case LogText::RecordFailed:
        return {"Záznam zastaven: log nelze zapsat (%1)",
                "Recording stopped: the log cannot be written (%1)",
                "Aufzeichnung beendet: das Log kann nicht geschrieben werden (%1)"};
    case LogText::RecordCannotOpen:
        return {"Log %1 nelze vytvořit: %2", "The log %1 cannot be created: %2",
                "Das Log %1 kann nicht angelegt werden: %2"};
    case LogText::Unreadable:
        return {"Log %1 nelze číst: není to obyčejný soubor, nelze jej otevřít nebo má přes "
                "64 MB.",
                "The log %1 cannot be read: it is no regular file, cannot be opened or is larger "
                "than 64 MB.",
                "Das Log %1 kann nicht gelesen werden: keine normale Datei, nicht zu öffnen oder "
                "größer als 64 MB."};
    case LogText::Empty:
        return {"Log je prázdný.", "The log is empty.", "Das Log ist leer."};
    case LogText::Binary:
        return {"Toto není log CSV (binární data).", "This is no CSV log (binary data).",
                "Dies ist kein CSV-Log (Binärdaten)."};
    case LogText::MissingColumns:
        return {"V logu chybí sloupce: %1", "The log lacks the columns: %1",
                "Im Log fehlen die Spalten: %1"};
    case LogText::NoRows:
        return {"Log nemá žádný použitelný řádek.", "The log has no usable row.",
                "Das Log hat keine brauchbare Zeile."};
    case LogText::ReplayEnd:
        return {"Konec logu: %1, %2", "End of log: %1, %2", "Ende des Logs: %1, %2"};
    case LogText::Play:
        return {"Přehrát", "Play", "Abspielen"};
    case LogText::Pause:
        return {"Pozastavit", "Pause", "Pause"};
    case LogText::StepBack:
        return {"O řádek zpět", "One row back", "Eine Zeile zurück"};
    case LogText::StepForward:
        return {"O řádek vpřed", "One row on", "Eine Zeile weiter"};
    case LogText::Speed:
        return {"Rychlost přehrávání", "Replay speed", "Abspielgeschwindigkeit"};
    case LogText::Position:
        return {"Místo v logu", "Position in the log", "Stelle im Log"};
    case LogText::CloseReplay:
        return {"Zavřít přehrávání", "Close the replay", "Abspielen beenden"};
    case LogText::Plot:
        return {"Graf", "Plot", "Diagramm"};
    case LogText::ColourSource:
        return {"Co ukazují barvy", "What the colours show", "Was die Farben zeigen"};
    case LogText::ColouringAdvance:
        return {"Předstih", "Advance", "Vorzündung"};
    case LogText::ColouringDwell:
        return {"Čas v buňce", "Time in cell", "Zeit in der Zelle"};
    case LogText::DwellTip:
        return {"Čas v buňce: %1 %", "Time in cell: %1 %", "Zeit in der Zelle: %1 %"};
    case LogText::SeriesRpm:
        return {"Otáčky [ot/min]", "Engine speed [rpm]", "Drehzahl [U/min]"};
    case LogText::SeriesThrottle:
        return {"Plyn [%]", "Throttle [%]", "Drosselklappe [%]"};
    case LogText::SeriesAdvance:
        return {"Předstih [°]", "Advance [°]", "Vorzündung [°]"};
    case LogText::SeriesLambda:
        return {"Lambda [10 mV]", "Lambda [10 mV]", "Lambda [10 mV]"};
    case LogText::AxisTime:
        return {"Čas [s]", "Time [s]", "Zeit [s]"};
    }
    return {"", "", ""};
}

} // namespace

std::string logText(LogText t, int language) {
    return pick(logTriple(t), language);
}

} // namespace vortan
