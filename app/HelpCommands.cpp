// The Help menu of the main window: the manual of the window's language and the about box.

#include "app/HelpCommands.h"

#include "app/ManualLookup.h"
#include "app/WindowContext.h"
#include "lang/HelpTexts.h"
#include "lang/Texts.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace vortan {

void showAbout(const WindowContext& context) {
    context.showBox(QString::fromStdString(aboutText(context.language(), __DATE__, __TIME__)));
}

// A manual that is missing, or that no program of the desktop opens, is said in a box with
// where it is (or was looked for), so the tuner can open it by hand.
void openManual(const WindowContext& context) {
    const QStringList folders = manualFolders();
    const QString path = manualFor(context.language(), folders);
    if (path.isEmpty()) {
        QStringList shown;
        for (const QString& f : folders)
            shown << QDir::toNativeSeparators(QDir::cleanPath(f));
        context.showBox(QString::fromStdString(helpText(HelpText::NotFound, context.language()))
                            .arg(QString::fromStdString(htmlManualFileName(context.language())),
                                 shown.join('\n')));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        context.showBox(QString::fromStdString(helpText(HelpText::NoViewer, context.language()))
                            .arg(QDir::toNativeSeparators(path)));
}

} // namespace vortan
