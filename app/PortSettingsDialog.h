#pragma once
// Port settings: the serial devices of this computer, and for each of COM1..COM10 the device
// it leads to, picked from the list or typed as a path. "Find the unit" tries the listed
// devices (not the one open now) and offers the one that answered for the current port.

#include "lang/Texts.h"
#include "link/PortCatalogue.h"
#include "link/UnitProbe.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vortan {

constexpr int kPortCount = 10;

struct PortDialogSetup {
    std::vector<SerialDevice> devices;
    std::array<QString, kPortCount> stored;   // entries of section PORTS, empty when none
    std::array<QString, kPortCount> defaults; // the device of a port without an entry
    int comPort = 1;                          // the current port
    QString openPath;                         // the device open now, never probed
    QString byIdFolder = QString::fromLatin1(kByIdFolder);
    int language = 1;
};

class PortSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PortSettingsDialog(PortDialogSetup setup, QWidget* parent = nullptr);

    // The entries as edited, COM1 first.
    std::array<QString, kPortCount> stored() const;
    const UnitProbe& probe() const { return probe_; }

    void findUnit();
    // Takes the device that answered for the current port.
    void useFound();

private:
    QString text(PortText t) const;
    void showMeaning(int port);
    void probeFinished(int answered);

    PortDialogSetup s_;
    std::array<QComboBox*, kPortCount> paths_{};
    std::array<QLabel*, kPortCount> meanings_{};
    QPushButton* find_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* result_ = nullptr;
    QPushButton* use_ = nullptr;
    UnitProbe probe_;
    QStringList candidates_;
    QString found_;
};

} // namespace vortan
