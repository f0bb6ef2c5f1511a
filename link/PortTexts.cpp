#include "link/PortTexts.h"
#include "params/Triple.h"

namespace vortan {
namespace {

Triple portTriple(PortText t) {
    switch (t) {
    case PortText::DialogTitle:
        return {"Nastavení portů", "Port settings", "Porteinstellungen"};
    case PortText::DevicesHeading:
        return {"Sériová zařízení tohoto počítače", "Serial devices of this computer",
                "Serielle Geräte dieses Computers"};
    case PortText::ColumnDevice:
        return {"Zařízení", "Device", "Gerät"};
    case PortText::ColumnDescription:
        return {"Popis", "Description", "Beschreibung"};
    case PortText::ColumnManufacturer:
        return {"Výrobce", "Manufacturer", "Hersteller"};
    case PortText::ColumnSerialNumber:
        return {"Sériové číslo", "Serial number", "Seriennummer"};
    case PortText::ColumnUsbId:
        return {"USB výrobce:produkt", "USB vendor:product", "USB Hersteller:Produkt"};
    case PortText::PortsHeading:
        return {"Zařízení portů COM1 až COM10", "Devices of the ports COM1 to COM10",
                "Geräte der Ports COM1 bis COM10"};
    case PortText::PathHint:
        return {"Vyberte zařízení ze seznamu nebo zadejte cestu",
                "Pick a device from the list or type a path",
                "Gerät aus der Liste wählen oder einen Pfad eingeben"};
    case PortText::FindUnit:
        return {"&Najít jednotku", "&Find the unit", "Zündbox &suchen"};
    case PortText::Trying:
        return {"Zkouším %1...", "Trying %1...", "Prüfe %1..."};
    case PortText::Answered:
        return {"Jednotka odpověděla na %1.", "The unit answered on %1.",
                "Die Zündbox antwortet an %1."};
    case PortText::NoAnswer:
        return {"Žádné zařízení neodpovědělo.", "No device answered.",
                "Kein Gerät hat geantwortet."};
    case PortText::NothingToTry:
        return {"Není co zkoušet: žádné jiné zařízení.", "Nothing to try: no other device.",
                "Nichts zu prüfen: kein anderes Gerät."};
    case PortText::UseFor:
        return {"&Použít pro COM%1", "&Use for COM%1", "Für COM%1 &verwenden"};
    case PortText::Unplugged:
        return {"(odpojeno)", "(unplugged)", "(ausgesteckt)"};
    case PortText::NotConfigured:
        return {"nenastaveno: %1", "not configured: %1", "nicht eingestellt: %1"};
    case PortText::SimulatedUnit:
        return {"simulovaná jednotka", "simulated unit", "simulierte Zündbox"};
    case PortText::PseudoTerminal:
        return {"pseudoterminál", "pseudo-terminal", "Pseudoterminal"};
    case PortText::LinkUp:
        return {"Jednotka odpovídá", "The unit answers", "Die Zündbox antwortet"};
    case PortText::LinkNoReply:
        return {"Port otevřen, bez odpovědi", "Port open, no reply", "Port offen, keine Antwort"};
    case PortText::LinkCannotOpen:
        return {"Port nelze otevřít", "The port cannot be opened",
                "Der Port kann nicht geöffnet werden"};
    case PortText::Missing:
        return {"Zařízení %1 neexistuje.", "%1 does not exist.", "%1 existiert nicht."};
    case PortText::DevicesPresent:
        return {
            "Přítomná sériová zařízení:", "Serial devices present:", "Vorhandene serielle Geräte:"};
    case PortText::NoDevicePresent:
        return {"Není přítomno žádné sériové zařízení.", "No serial device is present.",
                "Kein serielles Gerät ist vorhanden."};
    case PortText::PermissionDenied:
        return {"Přístup k %1 byl odepřen.\nV Debianu a Ubuntu se přidejte do skupiny dialout:\n"
                "sudo usermod -aG dialout $USER\na pak se odhlaste a znovu přihlaste.",
                "Permission denied for %1.\nOn Debian and Ubuntu join the group dialout:\n"
                "sudo usermod -aG dialout $USER\nthen log out and log in again.",
                "Zugriff auf %1 verweigert.\nUnter Debian und Ubuntu der Gruppe dialout "
                "beitreten:\nsudo usermod -aG dialout $USER\ndann ab- und wieder anmelden."};
    case PortText::InUseBy:
        return {"Zařízení %1 používá jiný program: %2.", "%1 is in use by another program: %2.",
                "%1 wird von einem anderen Programm verwendet: %2."};
    case PortText::Process:
        return {"%1 (proces %2)", "%1 (process %2)", "%1 (Prozess %2)"};
    case PortText::OtherError:
        return {"Zařízení %1 nelze otevřít: %2", "%1 cannot be opened: %2",
                "%1 kann nicht geöffnet werden: %2"};
    case PortText::WinNoSuchPort:
        return {"Windows nezná port %1.", "Windows knows no port %1.",
                "Windows kennt keinen Port %1."};
    case PortText::WinNoSuchPortHint:
        return {"Připojte adaptér a ve Správci zařízení (Porty (COM a LPT)) ověřte, že má "
                "nainstalovaný ovladač a jaké číslo COM dostal.",
                "Plug the adapter in and check in Device Manager (Ports (COM & LPT)) that its "
                "driver is installed and which COM number it got.",
                "Den Adapter anstecken und im Geräte-Manager (Anschlüsse (COM & LPT)) prüfen, ob "
                "sein Treiber installiert ist und welche COM-Nummer er erhalten hat."};
    case PortText::WinInUseOrDenied:
        return {"Port %1 používá jiný program, nebo k němu byl odepřen přístup.",
                "%1 is in use by another program, or access to it was denied.",
                "%1 wird von einem anderen Programm verwendet, oder der Zugriff wurde verweigert."};
    case PortText::WinInUseHint:
        return {"Zavřete program, který port používá (terminál, jiný program pro jednotku); "
                "pokud žádný neběží, zkontrolujte ovladač adaptéru ve Správci zařízení.",
                "Close the program that uses the port (a terminal, another program for the "
                "unit); if none runs, check the adapter's driver in Device Manager.",
                "Das Programm schließen, das den Port verwendet (ein Terminal, ein anderes "
                "Programm für die Zündbox); läuft keines, den Treiber des Adapters im "
                "Geräte-Manager prüfen."};
    case PortText::WinDriverHint:
        return {"Zkontrolujte ovladač adaptéru ve Správci zařízení.",
                "Check the adapter's driver in Device Manager.",
                "Den Treiber des Adapters im Geräte-Manager prüfen."};
    }
    return {"", "", ""};
}

} // namespace

std::string portText(PortText t, int language) {
    return pick(portTriple(t), language);
}

} // namespace vortan
