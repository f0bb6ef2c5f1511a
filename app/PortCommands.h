#pragma once
// The serial port of the main window: the Com menu (the port chosen, its settings), opening and
// closing the port with the reason of an opening error, the port field of the status bar, and
// the demo (the built-in simulated unit) until a real port is chosen.

#include <QString>
#include <array>
#include <memory>

namespace vortan {

class IniFile;
class PortStatusView;
class SimUnit;
struct WindowContext;

class PortCommands {
public:
    // Adds the port field to the status bar.
    PortCommands(WindowContext& context, IniFile& ini);
    ~PortCommands();
    PortCommands(const PortCommands&) = delete;
    PortCommands& operator=(const PortCommands&) = delete;

    // The demo: the simulated unit started, its device used instead of the port's.
    void startDemo();
    // Uses this device instead of the port's configured one (the demo and tests).
    void setPortOverride(const QString& devicePath);
    void openPort();
    void closePort();
    // Com › Com n: that port, opened.
    void choosePort(int port);
    // Com › Port settings.
    void portSettings();
    // Stores the device entries of COM1..COM10 (PORTS, written at close; empty: none), leaves
    // the demo and opens the current port again: the port settings' OK.
    void applyPortSettings(const std::array<QString, 10>& stored);
    // The port menu ticks the item of comPort and no other.
    void tickPortItem();
    // The port field of the status bar.
    void updatePortStatus();
    // After every tick: the field's mark.
    void tick();

private:
    void portOpened();
    // The opening error with its reason.
    void showOpenFailure(const QString& path);
    void leaveDemo();

    WindowContext& context_;
    IniFile& ini_;
    std::unique_ptr<PortStatusView> portStatus_;
    std::unique_ptr<SimUnit> demoUnit_;
    QString portOverride_;
};

} // namespace vortan
