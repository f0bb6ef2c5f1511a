// The Help menu of the main window: the manual of the window's language and the about box.

#include "app/Hlav.h"
#include "app/ManualLookup.h"
#include "lang/HelpTexts.h"
#include "lang/Texts.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

using namespace vortan;

void TFormHlav::MenuAboutClick() {
    showBox(QString::fromStdString(aboutText(session_->language(), __DATE__, __TIME__)));
}

// A manual that is missing, or that no program of the desktop opens, is said in a box with
// where it is (or was looked for), so the tuner can open it by hand.
void TFormHlav::MenuContensClick() {
    const QStringList folders = manualFolders();
    const QString path = manualFor(session_->language(), folders);
    if (path.isEmpty()) {
        QStringList shown;
        for (const QString& f : folders)
            shown << QDir::toNativeSeparators(QDir::cleanPath(f));
        showBox(QString::fromStdString(helpText(HelpText::NotFound, session_->language()))
                    .arg(QString::fromStdString(htmlManualFileName(session_->language())),
                         shown.join('\n')));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        showBox(QString::fromStdString(helpText(HelpText::NoViewer, session_->language()))
                    .arg(QDir::toNativeSeparators(path)));
}
