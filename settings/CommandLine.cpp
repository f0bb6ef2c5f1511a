#include "settings/CommandLine.h"

#include <algorithm>
#include <iterator>

namespace {

struct OperationOption {
    const char* name;
    CliOperation operation;
};
const OperationOption kOperations[] = {{"--read", CliOperation::Read},
                                       {"--verify", CliOperation::Verify},
                                       {"--program", CliOperation::Program},
                                       {"--diff", CliOperation::Diff}};

bool isParamFilePath(const QString& argument) {
    return !argument.startsWith('-') &&
           argument.endsWith(QLatin1String(".ign"), Qt::CaseInsensitive);
}

// The value after an option; empty when the line ends or another option follows.
QString valueAfter(const QStringList& arguments, int& i) {
    if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty() || arguments[i + 1].startsWith('-'))
        return QString();
    return arguments[++i];
}

void fail(CommandLine& line, const QString& error) {
    if (line.error.isEmpty()) // the first fault is the one told
        line.error = error;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    if (!arguments.isEmpty()) {
        const QString& first = arguments.front();
        if (first == QLatin1String("ENGLISH") || first == QLatin1String("CESKY") ||
            first == QLatin1String("DEUTSCH"))
            line.language = first;
    }
    QString operationName;
    QStringList unknown; // options it does not know: ignored for the window only
    for (int i = line.language.isEmpty() ? 0 : 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            line.help = !line.version;
        } else if (a == QLatin1String("--version")) {
            line.version = !line.help;
        } else if (a == QLatin1String("--demo")) {
            line.demo = true;
        } else if (a == QLatin1String("--repeat")) {
            line.repeat = true;
        } else if (a == QLatin1String("--anyway")) {
            line.anyway = true;
        } else if (a == QLatin1String("--port")) {
            line.port = valueAfter(arguments, i);
            if (line.port.isEmpty())
                fail(line, QStringLiteral("--port needs a DEVICE"));
        } else if (isParamFilePath(a)) {
            if (!line.openFile.isEmpty())
                fail(line, QStringLiteral("only one parameter file can be opened: %1 and %2")
                               .arg(line.openFile, a));
            else
                line.openFile = a;
        } else {
            if (a.startsWith(QLatin1String("--")) &&
                std::none_of(std::begin(kOperations), std::end(kOperations),
                             [&a](const OperationOption& o) { return a == QLatin1String(o.name); }))
                unknown << a;
            for (const OperationOption& o : kOperations) {
                if (a != QLatin1String(o.name))
                    continue;
                if (line.operation != CliOperation::None)
                    fail(line,
                         QStringLiteral("%1 and %2 cannot be run together").arg(operationName, a));
                line.operation = o.operation;
                operationName = a;
                line.operationFile = valueAfter(arguments, i);
                if (line.operationFile.isEmpty())
                    fail(line, QStringLiteral("%1 needs a FILE.ign").arg(a));
            }
        }
    }
    if (line.repeat && line.operation != CliOperation::Program)
        fail(line, QStringLiteral("--repeat goes only with --program"));
    if (line.anyway && line.operation != CliOperation::Program)
        fail(line, QStringLiteral("--anyway goes only with --program"));
    if (!line.port.isEmpty() && line.demo)
        fail(line, QStringLiteral("--port and --demo cannot be given together"));
    // A mistyped operation must not open the window where a script expected none.
    const bool unitWork = line.withoutWindow() || !line.port.isEmpty();
    if (unitWork && !unknown.isEmpty())
        fail(line, QStringLiteral("unknown option %1").arg(unknown.front()));
    if (!line.port.isEmpty() && !line.withoutWindow())
        fail(line, QStringLiteral("--port goes only with --read, --verify, --program or --diff"));
    if (line.withoutWindow() && !line.openFile.isEmpty())
        fail(line, QStringLiteral("%1 runs without a window; %2 cannot be opened with it")
                       .arg(operationName, line.openFile));
    return line;
}
