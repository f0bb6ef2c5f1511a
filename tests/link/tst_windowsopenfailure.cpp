// Why Windows could not open a port, from the error number of CreateFile, and what to do.
#include "lang/Texts.h"
#include "link/OpenFailure.h"

#include <QtTest>

using namespace vortan;

class tst_WindowsOpenFailure : public QObject {
    Q_OBJECT
private slots:
    void text_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<uint>("error");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        const QString noPortEn = "Plug the adapter in and check in Device Manager (Ports (COM & "
                                 "LPT)) that its driver is installed and which COM number it got.";
        QTest::newRow("file not found")
            << "COM5" << 2u << QStringList{"COM3", "COM11"} << int(English)
            << "Windows knows no port COM5.\nSerial devices present:\nCOM3\nCOM11\n" + noPortEn;
        QTest::newRow("path not found, long name, none present, Czech")
            << "\\\\.\\COM12" << 3u << QStringList() << int(Czech)
            << "Windows nezná port COM12.\nNení přítomno žádné sériové zařízení.\nPřipojte "
               "adaptér a ve Správci zařízení (Porty (COM a LPT)) ověřte, že má nainstalovaný "
               "ovladač a jaké číslo COM dostal.";
        QTest::newRow("access denied, German")
            << "COM5" << 5u << QStringList() << int(German)
            << "COM5 wird von einem anderen Programm verwendet, oder der Zugriff wurde "
               "verweigert.\nDas Programm schließen, das den Port verwendet (ein Terminal, ein "
               "anderes Programm für die Zündbox); läuft keines, den Treiber des Adapters im "
               "Geräte-Manager prüfen.";
        QTest::newRow("sharing violation")
            << "COM5" << 32u << QStringList() << int(English)
            << "COM5 is in use by another program, or access to it was denied.\nClose the "
               "program that uses the port (a terminal, another program for the unit); if none "
               "runs, check the adapter's driver in Device Manager.";
        QTest::newRow("other: Windows' words")
            << "COM5" << 31u << QStringList() << int(English)
            << "COM5 cannot be opened: A device attached to the system is not functioning.\n"
               "Check the adapter's driver in Device Manager.";
        QTest::newRow("other, Czech")
            << "COM5" << 121u << QStringList() << int(Czech)
            << "Zařízení COM5 nelze otevřít: A device attached to the system is not "
               "functioning.\nZkontrolujte ovladač adaptéru ve Správci zařízení.";
    }
    void text() {
        QFETCH(QString, path);
        QFETCH(uint, error);
        QFETCH(QStringList, present);
        QFETCH(int, language);
        // The facts Windows gives beside the number do not change the reason.
        OpenFailureFacts facts{path,
                               error == 5,
                               error == 5,
                               {},
                               "A device attached to the system is not functioning."};
        facts.windowsError = error;
        QTEST(openFailureText(facts, present, language), "text");
    }
};

QTEST_GUILESS_MAIN(tst_WindowsOpenFailure)
#include "tst_windowsopenfailure.moc"
