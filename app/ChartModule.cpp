#include "app/ChartModule.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace vortan {

namespace {
QLibrary* loadedModule() {
    static QLibrary* module = [] {
        // Installed in lib/vortan2 beside bin; built beside the program, or in the build's
        // app/ for the tests and benchmarks.
        const QString dir = QCoreApplication::applicationDirPath();
        for (const QString& path : {dir + "/../lib/vortan2/vortan2charts", dir + "/vortan2charts",
                                    QStringLiteral(VORTAN2_MODULE_DIR "/vortan2charts")}) {
            auto* library = new QLibrary(path);
            if (library->load())
                return library;
            delete library;
        }
        qWarning("vortan2: the chart module vortan2charts was not found");
        return static_cast<QLibrary*>(nullptr);
    }();
    return module;
}
} // namespace

QFunctionPointer chartModuleEntry(const char* name) {
    QLibrary* module = loadedModule();
    return module ? module->resolve(name) : nullptr;
}

} // namespace vortan
