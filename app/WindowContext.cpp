#include "app/WindowContext.h"

#include "app/FindChild.h"
#include "app/LanguageView.h"
#include "app/ParamControls.h"
#include "lang/Texts.h"
#include "session/Session.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QTabWidget>

namespace vortan {

void WindowContext::showBox(const QString& text, const QString& informative) const {
    if (boxHook) {
        boxHook(text, informative);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, kBoxTitle, text, QMessageBox::Ok, &window);
    // A path or a value in the box can be copied from it.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setInformativeText(informative);
    box.exec();
}

std::string WindowContext::captionOf(const char* textId) const {
    const QString name = ParamControls::captionName(textId);
    QString text;
    if (auto* label = window.findChild<QLabel*>(name))
        text = label->text();
    else if (auto* button = window.findChild<QAbstractButton*>(name))
        text = button->text();
    else if (auto* group = window.findChild<QGroupBox*>(name))
        text = group->title();
    else if (auto* page = window.findChild<QWidget*>(name)) {
        auto* tabs = requiredChild<QTabWidget>(&window, "PageControl1");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(page) || tabs->widget(i) == page)
                text = tabs->tabText(i);
    } else { // on a page not built yet: the caption it will show
        text = LanguageView::captionText(textId, session.language());
    }
    return text.remove('&').toStdString();
}

CaptionLookup WindowContext::captions() const {
    return [this](const char* textId) { return captionOf(textId); };
}

int WindowContext::language() const {
    return session.language();
}

} // namespace vortan
