; The Windows installer's own texts in the three languages (included by cmake/NSIS.template.in);
; the pages' standard texts come from NSIS's language files.

; The language choice at the start, shown before a language is chosen: all three at once. It
; offers the system's language first when that is one of them.
!define MUI_LANGDLL_WINDOWTITLE "${PRODUCT}"
!define MUI_LANGDLL_INFO "Jazyk instalace / Installer language / Sprache der Installation"

LangString ShortcutDescription ${LANG_CZECH} "Nastavení zapalovací jednotky Vortan 2"
LangString ShortcutDescription ${LANG_ENGLISH} "Set up the Vortan 2 ignition unit"
LangString ShortcutDescription ${LANG_GERMAN} "Einstellen der Vortan 2 Zündbox"

LangString ParameterFileType ${LANG_CZECH} "Soubor parametrů Vortan 2"
LangString ParameterFileType ${LANG_ENGLISH} "Vortan 2 parameter file"
LangString ParameterFileType ${LANG_GERMAN} "Vortan 2 Kenndatendatei"

LangString AllUsersNotPossible ${LANG_CZECH} \
  "Váš uživatelský účet nemá oprávnění instalovat $(^Name) pro všechny uživatele tohoto počítače. Spusťte instalaci s /CurrentUser nebo jako správce."
LangString AllUsersNotPossible ${LANG_ENGLISH} \
  "Your user account may not install $(^Name) for all users of this computer. Run the installer with /CurrentUser, or as an administrator."
LangString AllUsersNotPossible ${LANG_GERMAN} \
  "Ihr Benutzerkonto darf $(^Name) nicht für alle Benutzer dieses Computers installieren. Starten Sie die Installation mit /CurrentUser oder als Administrator."

LangString UninstallNeedsAdmin ${LANG_CZECH} \
  "$(^Name) je nainstalován pro všechny uživatele tohoto počítače: k jeho odebrání jsou potřeba práva správce."
LangString UninstallNeedsAdmin ${LANG_ENGLISH} \
  "$(^Name) is installed for all users of this computer: removing it needs administrator rights."
LangString UninstallNeedsAdmin ${LANG_GERMAN} \
  "$(^Name) ist für alle Benutzer dieses Computers installiert: zum Entfernen sind Administratorrechte nötig."

LangString CloseProgramFirst ${LANG_CZECH} \
  "$(^Name) je spuštěn, proto jeho soubory nelze nahradit ani odebrat. Ukončete jej a zvolte Opakovat."
LangString CloseProgramFirst ${LANG_ENGLISH} \
  "$(^Name) is running, so its files cannot be replaced or removed. Close it, then choose Retry."
LangString CloseProgramFirst ${LANG_GERMAN} \
  "$(^Name) läuft noch, daher können seine Dateien weder ersetzt noch entfernt werden. Beenden Sie das Programm und wählen Sie dann Wiederholen."
