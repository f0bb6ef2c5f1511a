// The Help menu of the main window: the manual of the window's language and the about box.

#include "app/Hlav.h"
#include "app/ManualLookup.h"
#include "lang/Texts.h"

#include <QDesktopServices>
#include <QUrl>

using namespace vortan;

void TFormHlav::MenuAboutClick() {
    showBox(QString::fromStdString(aboutText(language, __DATE__, __TIME__)));
}

void TFormHlav::MenuContensClick() {
    const QString path = manualFor(language);
    if (path.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
