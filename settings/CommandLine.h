#pragma once
// The program's command line, understood in one place: the language of the window, the demo
// unit, a parameter file to open after start-up, the operations run without a window, and
// --help and --version.

#include <QString>
#include <QStringList>

enum class CliOperation { None, Read, Verify, Program, Diff };

struct CommandLine {
    QString language;  // "ENGLISH", "CESKY", "DEUTSCH" as the first argument, else empty
    bool demo = false; // --demo anywhere
    QString port;      // --port DEVICE
    CliOperation operation = CliOperation::None; // --read/--verify/--program/--diff FILE.ign
    QString operationFile;
    bool repeat = false;  // --repeat (only with --program)
    bool anyway = false;  // --anyway (only with --program): values outside ranges programmed
    bool help = false;    // -h/--help (the first of it and --version is the one answered)
    bool version = false; // --version
    QString openFile;     // a path to a parameter file given alone: opened after start-up
    QString error;        // non-empty when the line cannot be understood (English text)
    bool withoutWindow() const { return operation != CliOperation::None; }
};

// `arguments` without the program name. Arguments it does not know are ignored when the window
// starts; with --port or an operation an unknown option is an error (a mistyped operation).
CommandLine parseCommandLine(const QStringList& arguments);
