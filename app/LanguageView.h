#pragma once
// Puts the texts of one language on the window's controls and menu items.

#include <QHash>
#include <QPointer>
#include <vector>

class QObject;
class QWidget;

namespace vortan {

struct UiText;

class LanguageView {
public:
    // Looks up every control the text table names, once.
    explicit LanguageView(QWidget* window);
    // Ticks the language's menu item, then sets every text of the table in its order.
    void apply(int language);
    // The texts of `language` on the controls of `page`, built after the language was applied.
    void addPage(QWidget* page, int language);
    // The caption the table gives text id `textId` in `language`; empty for none.
    static QString captionText(const char* textId, int language);
    // A hint "short|long": tool tip and status tip.
    static void setHint(QObject* target, const QString& hint);
    static void setCaption(QObject* target, const QString& caption);
    // Installs Qt's own translation of standard dialogs and buttons for the language
    // (qtbase_cs, qtbase_de when present); English removes it. Each file loads once.
    static void installQtTranslation(int language);

private:
    void yieldClashingMnemonics() const;
    static void applyText(QObject* target, const UiText& text, int language);

    QWidget* window_;
    std::vector<QObject*> targets_; // one per table row, null when the window lacks it
};

} // namespace vortan
