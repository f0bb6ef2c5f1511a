#include "app/LanguageView.h"

#include "app/FindChild.h"
#include "app/ParamControls.h"
#include "lang/MapEditTexts.h"
#include "lang/Mnemonics.h"
#include "lang/Texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTranslator>
#include <QWidget>

namespace vortan {

namespace {
std::vector<UiText> allTexts() {
    std::vector<UiText> all = uiTexts();
    all.insert(all.end(), addedUiTexts().begin(), addedUiTexts().end());
    all.insert(all.end(), mapEditUiTexts().begin(), mapEditUiTexts().end());
    return all;
}
} // namespace

LanguageView::LanguageView(QWidget* window) : window_(window) {
    const ChildIndex index(window); // one walk for the 250 texts
    for (const UiText& t : allTexts()) {
        const QString name = ParamControls::captionName(t.id.c_str());
        QObject* target = name == QLatin1String("FormHlav") ? window : index.find(name);
        targets_.push_back(target);
    }
}

void LanguageView::setHint(QObject* target, const QString& hint) {
    const int bar = hint.indexOf('|');
    const QString shortHint = bar < 0 ? hint : hint.left(bar);
    const QString longHint = bar < 0 ? hint : hint.mid(bar + 1);
    if (auto* a = qobject_cast<QAction*>(target)) {
        a->setToolTip(shortHint);
        a->setStatusTip(longHint);
    } else if (auto* m = qobject_cast<QMenu*>(target)) {
        m->menuAction()->setToolTip(shortHint);
        m->menuAction()->setStatusTip(longHint);
    } else if (auto* w = qobject_cast<QWidget*>(target)) {
        w->setToolTip(shortHint);
        w->setStatusTip(longHint);
    }
}

void LanguageView::setCaption(QObject* target, const QString& caption) {
    if (auto* a = qobject_cast<QAction*>(target))
        a->setText(caption);
    else if (auto* m = qobject_cast<QMenu*>(target))
        m->setTitle(caption);
    else if (auto* b = qobject_cast<QAbstractButton*>(target))
        b->setText(caption);
    else if (auto* l = qobject_cast<QLabel*>(target))
        l->setText(caption);
    else if (auto* g = qobject_cast<QGroupBox*>(target))
        g->setTitle(caption);
    else if (auto* w = qobject_cast<QWidget*>(target)) {
        // A tab page's caption is its tab's text (the page may sit in a scroll area on the
        // tab); the window's is its title.
        if (w->isWindow()) {
            w->setWindowTitle(caption);
            return;
        }
        for (QWidget* on = w; on->parentWidget(); on = on->parentWidget()) {
            auto* tabs = qobject_cast<QTabWidget*>(on->parentWidget()->parentWidget());
            if (tabs && tabs->indexOf(on) >= 0) {
                tabs->setTabText(tabs->indexOf(on), caption);
                return;
            }
        }
    }
}

void LanguageView::installQtTranslation(int language) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    // Loaded on first use and kept by the application; switching only swaps them.
    static QPointer<QTranslator> loaded[3];
    static QPointer<QTranslator> installed;
    static bool tried[3] = {false, false, false};
    static const char* const kFiles[3] = {"qtbase_cs", nullptr, "qtbase_de"};
    QTranslator* wanted = nullptr;
    if (language >= 0 && language < 3 && kFiles[language]) {
        if (!tried[language]) {
            tried[language] = true;
            auto* t = new QTranslator(app);
            if (t->load(kFiles[language], QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                loaded[language] = t;
            else
                delete t;
        }
        wanted = loaded[language];
    }
    if (installed == wanted)
        return;
    if (installed)
        QCoreApplication::removeTranslator(installed);
    installed = wanted;
    if (wanted)
        QCoreApplication::installTranslator(wanted);
}

void LanguageView::apply(int language) {
    installQtTranslation(language);
    static const char* const kItems[3] = {"MenuCzech", "MenuEnglish", "MenuGerman"};
    for (int i = 0; i < 3; ++i)
        if (auto* a = window_->findChild<QAction*>(kItems[i]))
            a->setChecked(i == language);
    const std::vector<UiText> texts = allTexts();
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (targets_[i])
            applyText(targets_[i], texts[i], language);
    yieldClashingMnemonics();
}

void LanguageView::applyText(QObject* target, const UiText& text, int language) {
    const QString shown = QString::fromStdString(text.in(language));
    if (text.property == TextProperty::Caption)
        setCaption(target, shown);
    else
        setHint(target, shown);
}

void LanguageView::addPage(QWidget* page, int language) {
    const ChildIndex index(page);
    const std::vector<UiText> texts = allTexts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (targets_[i])
            continue;
        targets_[i] = index.find(ParamControls::captionName(texts[i].id.c_str()));
        if (targets_[i])
            applyText(targets_[i], texts[i], language);
    }
    yieldClashingMnemonics();
}

QString LanguageView::captionText(const char* textId, int language) {
    for (const UiText& t : allTexts())
        if (t.property == TextProperty::Caption && t.id == textId)
            return QString::fromStdString(t.in(language));
    return {};
}

// A button whose letter is also a menu title's would make Alt+letter ambiguous, and the
// first press would only focus the button: the menu bar comes first.
void LanguageView::yieldClashingMnemonics() const {
    QStringList titles;
    for (QMenuBar* bar : window_->findChildren<QMenuBar*>())
        for (QAction* a : bar->actions())
            titles << a->text();
    for (QAbstractButton* b : window_->findChildren<QAbstractButton*>()) {
        if (mnemonicClashes(b->text(), titles))
            b->setShortcut(QKeySequence());
        else if (b->shortcut().isEmpty())
            b->setShortcut(QKeySequence::mnemonic(b->text()));
    }
}

} // namespace vortan
