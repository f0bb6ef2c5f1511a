#include "app/Modules.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibrary>
#include <QStringList>

namespace vortan {

namespace {
QLibrary* load(const QString& name) {
    // Installed in lib/vortan2 beside bin; built beside the program, or in the build's app/
    // for the tests and benchmarks.
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& path : {dir + "/../lib/vortan2/" + name, dir + "/" + name,
                                QStringLiteral(VORTAN2_MODULE_DIR "/") + name}) {
        auto* library = new QLibrary(path);
        if (library->load())
            return library;
        delete library;
    }
    qWarning("vortan2: the module %s was not found", qPrintable(name));
    return nullptr;
}
} // namespace

QFunctionPointer moduleEntry(const char* module, const char* name) {
    // Loaded once and never unloaded, to the end of the process: what a module made may
    // outlive any one call, and may still be destroyed while static objects are.
    static auto* loaded = new QHash<QString, QLibrary*>;
    const QString key = QString::fromLatin1(module);
    auto it = loaded->find(key);
    if (it == loaded->end())
        it = loaded->insert(key, load(key));
    return *it ? (*it)->resolve(name) : nullptr;
}

} // namespace vortan
