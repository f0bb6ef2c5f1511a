#pragma once
// The main window: the view of the session (the parameter set, the live monitor and the link to
// the unit). It builds the controls, wires them to the session and draws what it reports; the
// serial link and the timer are its own and drive the session.

#include "app/MainWindow.h"
#include "link/SerialLink.h"
#include "params/MapOperations.h"
#include "session/Session.h"
#include "settings/CommandLine.h"
#include "settings/IniFile.h"
#include "settings/MapViewSettings.h"
#include "settings/SettingsWriteReport.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QPagedPaintDevice;
class QCheckBox;
class QComboBox;
class QDialog;
class QDockWidget;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;
class QToolButton;

namespace vortan {
class DiffReport;
class ParamSpinBox;
class TCGauge;
class TCSpinButton;
class ParamView;
class MonitorView;
class LanguageView;
class RunPlot;
class MapColouring;
class LogRecordView;
class ReplayView;
class MapEditing;
class PortStatusView;
class SimUnit;
class CloseFlow;
class SetStatusView;
class WindowPages;
class RunLog;
class MessageView;
class DiffReportView;
class RangeMessages;
class WindowSettings;
struct WindowContext;
struct PrintJob;
struct FormSettings;
} // namespace vortan

class TFormHlav : public QMainWindow {
    Q_OBJECT
public:
    // `arguments` are the program's command-line arguments without the program name.
    explicit TFormHlav(const QStringList& arguments, QWidget* parent = nullptr);
    explicit TFormHlav(const CommandLine& commandLine, QWidget* parent = nullptr);
    ~TFormHlav() override;

    // Runs the start-up steps; called once after construction.
    void FormCreate();
    // The shut-down steps; run by the close event.
    void FormClose();
    // True once FormClose has run (a signal may close the window during start-up).
    bool isClosed() const;

    // One 55 ms tick (vortan::Tick): drain, operation, countdown, connection indicator, map
    // cursor.
    void Timer1Timer();

    // Parameter set view.
    void ReadControls();
    void ShowImage();
    void ChangeHandler();
    void CommitControls(); // read controls, then the change handler

    // Commands.
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();
    // Device › Compare with unit: reads the unit's set, then the report; the screen stays.
    void MenuCompareUnitClick();
    void MenuCom1Click(int port);
    void MenuPortSettingsClick();
    void MenuNewClick();
    void MenuOpenClick();
    void MenuSaveClick();
    // The restore points; the one chosen is opened as a parameter file.
    void MenuRestorePointsClick();
    // Opens restore point `path` as what it is (`label`): the set counts as saved to no file.
    bool openRestorePoint(const QString& path, const QString& label);
    void MenuExitClick();
    void MenuAboutClick();
    void MenuContensClick();
    void MenuEnglishClick();
    void MenuCzechClick();
    void MenuGermanClick();
    void SpeedButtonPrintClick();
    void MenuPrintClick();
    void BitBtnAdvMinusClick();
    void BitBtnAdvPlusClick();
    // `held`: a repeat while the button is held down, which carries on the click before.
    void CSpinButtonUpClick(int column, bool held = false);
    void CSpinButtonDownClick(int column, bool held = false);
    void BitBtnTps0Click();
    void BitBtnTps100Click();
    void BitBtnServoMinusClick();
    void BitBtnServoPlusClick();
    void ComboBox1Change();
    void CheckBoxExtMonitorClick();
    void MenuUndoClick();
    void MenuRedoClick();
    // The map page's editing tools; the page is built first when it is not yet.
    vortan::MapEditing& mapEditing();

    // The pages after the first built now, as once the tuner has opened each.
    void ensureAllPages();

    // The difference report of the set on screen against the unit's set as last seen and the
    // file's set, opened (made when first needed) and brought up to date.
    void showDiffReport();

    // Live monitor: a frame as the drain hands it over, shown when it is a valid packet.
    void ShowMonitorPacket(const std::uint8_t* frame);
    void UpdateMapCursor();

    // The run log: Device › Record log asks for a file and starts, or stops; File › Replay log
    // asks for a log and plays it. The commands with a path chosen.
    void MenuRecordLogClick();
    void MenuReplayLogClick();
    bool startRecording(const QString& path);
    void stopRecording();
    bool openReplay(const QString& path);

    // Parameter file commands with the path chosen (the menu commands ask a dialog first).
    bool saveParamFile(const QString& path);
    bool openParamFile(const QString& path);
    // File › Compare with file: the report with that file's set beside the screen's, which
    // stays as it is.
    void MenuCompareFileClick();
    bool compareWithFile(const QString& path);
    // The print command's work on a chosen device (a printer or a PDF file): heading in the
    // message label, the window rendered to fit the page, the label and colour restored.
    void printSheet(QPagedPaintDevice& device);
    // What the print module needs to print this window or its tune sheet.
    vortan::PrintJob printJob();
    // The tune sheet: every parameter as a vector PDF with the notes given (File › Export
    // tune sheet), or on a printer chosen in the print dialog.
    void MenuExportSheetClick();
    bool exportTuneSheet(const QString& path, const QString& notes);
    void printTuneSheet(QPagedPaintDevice& device);
    // The caption a label, button, group box or tab page shows now, without its '&'.
    std::string captionOf(const char* textId) const;
    // Applies the language index 0 Czech, 1 English, 2 German.
    void applyLanguage(int language);

    // True, with the reason in the status bar, when `command` is refused because an operation
    // running on the unit holds the set (see vortan::lockedDuring).
    bool refuseWhileLocked(vortan::SetCommand command);

    // Uses this device instead of the port's configured one (the demo and tests).
    void setPortOverride(const QString& devicePath);
    void openPort();
    void closePort();
    // Stores the device entries of COM1..COM10 (PORTS, written at close; empty: none), leaves
    // the demo and opens the current port again: the port settings' OK.
    void applyPortSettings(const std::array<QString, 10>& stored);

    // Tests answer the message boxes here (text, informative text) instead of their being
    // shown; an empty hook shows them again.
    void divertBoxes(vortan::mainwindow::BoxHook hook);
    // The box that asks before values outside their ranges are programmed is always shown
    // (objectName "BoxProgramOutOfRange"): tests answer it as a tuner does, by its buttons.

    // The session the window shows.
    vortan::Session& session() { return *session_; }
    vortan::SerialLink& link() { return *link_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Made before the session, which holds it.
    std::unique_ptr<vortan::SerialLink> link_;
    std::unique_ptr<vortan::Session> session_;
    // What the views and commands share; made once the views are.
    std::unique_ptr<vortan::WindowContext> context_;
    // The questions before the close, the close that waits, the close by a signal.
    std::unique_ptr<vortan::CloseFlow> close_;
    // The status bar's counts and lock, the Edit menu.
    std::unique_ptr<vortan::SetStatusView> status_;
    // The pages built when first shown, with the map's tools.
    std::unique_ptr<vortan::WindowPages> pages_;
    // The live values, the recording and the replay.
    std::unique_ptr<vortan::RunLog> runLog_;
    // What the session reports: messages and boxes, the difference report, values out of range.
    std::unique_ptr<vortan::MessageView> messages_;
    std::unique_ptr<vortan::DiffReportView> report_;
    std::unique_ptr<vortan::RangeMessages> ranges_;
    // The settings files, read at start-up and written at close.
    std::unique_ptr<vortan::WindowSettings> settings_;

    // What the session reports.
    void connectSession();
    void markMapCursor();

    void buildForm();
    void buildMenus();
    // The fields, boxes and buttons under `under` wired to their commands.
    void connectControls(QWidget* under);
    void showBox(const QString& text, const QString& informative = {});
    void showMessageBox(vortan::Message message);
    void tickPortItem();
    // The port field of the status bar, and the opening error with its reason.
    void updatePortStatus();
    void portOpened();
    void showOpenFailure(const QString& path);
    void leaveDemo();
    void commitField(vortan::ParamSpinBox* edit, bool stepped);
    vortan::EditInputs editInputs() const;
    void stepMapCell(int delta);
    void stepServo(int delta);
    void shiftColumn(int column, int delta, bool held);
    QString tuneSheet(const QString& notes); // the sheet of the set on screen, as HTML

    std::unique_ptr<vortan::ParamView> params_;
    std::unique_ptr<vortan::MonitorView> monitorView_;
    std::unique_ptr<vortan::LanguageView> languageView_;
    std::unique_ptr<vortan::SimUnit> demoUnit_;
    std::unique_ptr<vortan::PortStatusView> portStatus_;
    vortan::IniFile ini_;
    CommandLine commandLine_;
    QString portOverride_;
};
