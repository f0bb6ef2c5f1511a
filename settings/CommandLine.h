#pragma once
// The program's command line, read once: the language, the simulated unit, the port, and an
// operation that runs without a window.

#include <QString>
#include <QStringList>

enum class CliOperation { None, Read, Verify, Program, Diff };
struct CommandLine {
    QString language;
    bool demo = false;
    QString port;
    CliOperation operation = CliOperation::None;
    QString operationFile;
    bool repeat = false;
    bool help = false;
    bool version = false;
    QString openFile;
    QString error;
    bool withoutWindow() const { return operation != CliOperation::None; }
};
CommandLine parseCommandLine(const QStringList& arguments); // without the program name
