#include "settings/CommandLine.h"

#include <utility>

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine c;
    if (!arguments.isEmpty() && (arguments.front() == "ENGLISH" || arguments.front() == "CESKY" ||
                                 arguments.front() == "DEUTSCH"))
        c.language = arguments.front();
    const std::pair<const char*, CliOperation> operations[] = {{"--read", CliOperation::Read},
                                                               {"--verify", CliOperation::Verify},
                                                               {"--program", CliOperation::Program},
                                                               {"--diff", CliOperation::Diff}};
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--help" || a == "-h")
            c.help = true;
        else if (a == "--version")
            c.version = true;
        else if (a == "--demo")
            c.demo = true;
        else if (a == "--repeat")
            c.repeat = true;
        else if (a == "--port") {
            if (i + 1 >= arguments.size()) {
                c.error = "--port needs a device";
                return c;
            }
            c.port = arguments[++i];
        } else {
            for (const auto& [name, operation] : operations) {
                if (a != name)
                    continue;
                if (i + 1 >= arguments.size()) {
                    c.error = a + " needs a file";
                    return c;
                }
                if (c.operation != CliOperation::None) {
                    c.error = "only one of --read, --verify, --program, --diff";
                    return c;
                }
                c.operation = operation;
                c.operationFile = arguments[++i];
            }
        }
    }
    if (c.operation != CliOperation::None && c.port.isEmpty() && !c.demo)
        c.error = "an operation needs --port DEVICE or --demo";
    else if (c.repeat && c.operation != CliOperation::Program)
        c.error = "--repeat goes with --program";
    return c;
}
